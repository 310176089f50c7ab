// File, folder and platform utilities of the installer. Every operation answers true or false and, on
// failure, leaves its message in LastErrorText; after a failed copy the thread's last error is still the
// copy's own code when the operation returns.
#pragma once
#include <string>

bool FindFile(const std::string& folder, const std::string& fileName, std::string& foundFolder);
bool CopyFileTo(const std::string& source, const std::string& target);
bool FindAndCopyFile(const std::string& searchFolder, const std::string& markerName, const std::string& source,
                     const std::string& targetName);
bool CopyFiles(const std::string& sourceFolder, const std::string& targetFolder, const std::string& mask);
std::string GetLastErrorText();
bool IsWow64();
