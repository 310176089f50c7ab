// Finding an installed Illustrator's root folder from its registered program, and its twin edition's folder.
// Shared by the plug-in and the palette installation.
#pragma once
#include <optional>
#include <string>

#include "report_memo.h"

struct IllustratorRoot {
  std::string folder;         // three levels above the folder of the registered program
  unsigned long programType;  // GetBinaryTypeA's answer for that program
};

// versionKey is the version with its suffix ("15.1"). False when no program is registered, the file is no
// program, or a folder on the way up cannot be entered; the process's current folder is left at the root.
bool FindIllustratorRoot(const std::string& versionKey, IllustratorRoot& root);

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
extern const char kRootFailure[];

// Appends the version's status line and, after a FAILED one, its error line.
void ReportIllustrator(ReportMemo& report, const std::string& name, const InstallFailure& failure);
