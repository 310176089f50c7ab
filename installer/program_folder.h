// The installer's program folder, the source of every file the installation routines copy.
#pragma once
#include <string>

// The folder of the running executable with a trailing backslash ("C:\Program Files (x86)\Orvan\").
std::string ProgramFolder();

// Lets a test program act as an installer living in another folder, for its own lifetime.
class ProgramFolderOverride {
public:
  explicit ProgramFolderOverride(const std::string& folderWithBackslash);
  ProgramFolderOverride(const ProgramFolderOverride&) = delete;
  ProgramFolderOverride& operator=(const ProgramFolderOverride&) = delete;
  ~ProgramFolderOverride();

private:
  std::string previous_;
};
