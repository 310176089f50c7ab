// Which Illustrator and CorelDRAW versions the registry shows, and where they live.
// Every answer comes from the registry; a key that does not open counts as absent, never as an error.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "status_label.h"

// Illustrator CC major versions (17 and up) found by DetectIllustratorCC, ascending, duplicates kept.
extern std::vector<int32_t> IllustratorCCVersions;

bool IsIllustratorInstalled(const std::string& version);
bool DetectIllustratorCC();
bool IsCorelInstalled(const std::string& version);
void CheckScriboInstalled(StatusLabel& label);

// On success rootKey holds the key path that opened ("\SOFTWARE\COREL\CorelDRAW\24.0"); unchanged otherwise.
bool GetCorelRootKey(const std::string& version, std::string& rootKey);
// The CorelDRAW installation folder (no trailing backslash), or exactly "0" when none was established.
std::string GetCorelInstallDir(const std::string& version);
std::string GetCorelInstallDir32(const std::string& version);
std::string GetCorelInstallDir64(const std::string& version);
// The registered Illustrator executable, or "" when the command is missing or not quoted.
std::string GetIllustratorExePath(const std::string& version);
