// File-system seam of the installer.
#include "files.h"

namespace files {

bool setCurrentDir(const std::string& path) {
  return !path.empty() && SetCurrentDirectoryA(path.c_str()) != FALSE;
}

std::string currentDir() {
  DWORD size = GetCurrentDirectoryA(0, nullptr);
  std::string dir(size, '\0');
  DWORD got = GetCurrentDirectoryA(size, dir.data());
  dir.resize(got < size ? got : 0);
  return dir;
}

bool fileExists(const std::string& path) {
  DWORD attrs = GetFileAttributesA(path.c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

bool directoryExists(const std::string& path) {
  DWORD attrs = GetFileAttributesA(path.c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY);
}

Listing::Listing(const std::string& pattern)
    : handle_(FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &entry_, FindExSearchNameMatch, nullptr, 0)) {}

bool Listing::isDotOrDotDot() const {
  const char* n = entry_.cFileName;
  return n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'));
}

bool folderId(const std::string& path, FolderId& id) {
  HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  BOOL ok = GetFileInformationByHandle(h, &info);
  CloseHandle(h);
  if (!ok) return false;
  id = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
  return true;
}

}  // namespace files
