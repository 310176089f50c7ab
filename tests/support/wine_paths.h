// Paths handed to Windows test programs by ctest are Linux paths; Wine shows the Linux root as drive Z:.
#pragma once
#include <string>

namespace orvan::test {

// "/work/x/y" -> "Z:\work\x\y"; a path that already has a drive letter is returned unchanged.
std::string toWindowsPath(const std::string& linuxPath);

// The environment variable as a Windows path ("" when unset). ctest sets ORVAN_SOURCE_DIR,
// ORVAN_BUILD_DIR, ORVAN_WIN32_DIR and ORVAN_WIN64_DIR for every test.
std::string envPath(const char* name);

// The folder that holds the running test program (build/<arch>/bin), with no trailing backslash.
std::string programFolder();

}  // namespace orvan::test
