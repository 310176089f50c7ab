// Finding an installed Illustrator's root folder from its registered program, and its twin edition's folder.
// Shared by the plug-in and the palette installation.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "report_memo.h"

// The integer value of a version text; 0 when it is no number.
int VersionNumber(const std::string& version);

// Replaces every occurrence of from, ignoring letter case, in one pass over text.
std::string ReplaceAllIgnoreCase(const std::string& text, const std::string& from, const std::string& to);

// Whether the other edition's folder is present: it can be made the current folder and is not the root
// itself. A root outside "Program Files" is its own twin by the renaming rules; taking it for one would put
// the other edition's plug-in over the right one.
bool TwinPresent(const std::string& root, const std::string& twin);

// What one installation step answers: nothing on success, the error line's message on failure.
using InstallFailure = std::optional<std::string>;

// One installation into an Illustrator version named name (version and suffix): finds the root, runs the
// step for the program's type on it (another type of program gets nothing and counts as done), and appends
// the status line and, after a FAILED one, its error line.
using InstallStep = std::function<InstallFailure(const std::string& root)>;
void InstallIntoIllustrator(const std::string& name, ReportMemo& report, const InstallStep& step64,
                            const InstallStep& step32);
