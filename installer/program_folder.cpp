// The installer's own folder, the one place the installation routines take their sources from.
#include "program_folder.h"

#include <windows.h>

namespace {
std::string overridden;  // empty: the running executable's folder
}

std::string ProgramFolder() {
  if (!overridden.empty()) return overridden;
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string exe(path, length);
  return exe.substr(0, exe.find_last_of('\\') + 1);
}

ProgramFolderOverride::ProgramFolderOverride(const std::string& folderWithBackslash) : previous_(overridden) {
  overridden = folderWithBackslash;
}

ProgramFolderOverride::~ProgramFolderOverride() { overridden = previous_; }
