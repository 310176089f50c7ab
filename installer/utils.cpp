// File and folder utilities of the installer: recursive search, overwriting copy, copy by mask, WOW64 test.
#include "utils.h"

#include <windows.h>

#include <set>

#include "platform/files.h"

namespace {

std::string LastErrorText;

std::string withCode(const std::string& message, DWORD code) {
  return message + " (" + std::to_string(static_cast<unsigned long>(code)) + ")";
}

bool namesEqual(const char* a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, 0, a, -1, b.c_str(), -1) == CSTR_EQUAL;
}

// Depth-first search below folder. Folders already searched in this call are not entered again, so a link
// or junction that points back up cannot make the search run forever.
bool findFileBelow(const std::string& folder, const std::string& fileName, std::string& found,
                   std::set<files::FolderId>& searched) {
  LastErrorText.clear();
  if (!files::setCurrentDir(folder)) {
    LastErrorText = "Could not acces " + folder;
    return false;
  }
  files::FolderId id;
  if (files::folderId(".", id) && !searched.insert(id).second) {
    LastErrorText = "Could not find " + fileName + " in " + folder;
    return false;
  }
  files::Listing listing("*.*");
  if (listing.valid()) {
    do {
      if (listing.isDotOrDotDot()) continue;
      const WIN32_FIND_DATAA& entry = listing.entry();
      if (listing.isDirectory()) {
        if (findFileBelow(folder + "\\" + entry.cFileName, fileName, found, searched)) return true;
      } else if (namesEqual(entry.cFileName, fileName)) {
        found = folder;
        return true;
      }
    } while (listing.next());
  }
  LastErrorText = "Could not find " + fileName + " in " + folder;
  return false;
}

}  // namespace

bool FindFile(const std::string& folder, const std::string& fileName, std::string& foundFolder) {
  std::set<files::FolderId> searched;
  return findFileBelow(folder, fileName, foundFolder, searched);
}

bool CopyFileTo(const std::string& source, const std::string& target) {
  LastErrorText.clear();
  if (files::fileExists(target) && !SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL)) {
    const DWORD code = GetLastError();
    LastErrorText = withCode("Could not overwrite " + target, code);
    SetLastError(code);
    return false;
  }
  if (CopyFileA(source.c_str(), target.c_str(), FALSE)) return true;
  const DWORD code = GetLastError();
  LastErrorText = withCode("Could not copy " + source, code);
  SetLastError(code);  // callers read the copy's own code right after the call
  return false;
}

bool FindAndCopyFile(const std::string& searchFolder, const std::string& markerName, const std::string& source,
                     const std::string& targetName) {
  std::string foundFolder;
  if (!FindFile(searchFolder, markerName, foundFolder)) return false;
  return CopyFileTo(source, foundFolder + "\\" + targetName);
}

bool CopyFiles(const std::string& sourceFolder, const std::string& targetFolder, const std::string& mask) {
  LastErrorText.clear();
  if (!files::directoryExists(targetFolder) && !CreateDirectoryA(targetFolder.c_str(), nullptr)) {
    const DWORD code = GetLastError();
    LastErrorText = withCode("Could not create " + targetFolder, code);
    SetLastError(code);
    return false;
  }
  if (!files::setCurrentDir(sourceFolder)) {
    LastErrorText = "Could not acces " + sourceFolder;
    return false;
  }
  bool failed = false;
  DWORD failedCode = 0;
  {
    files::Listing listing(mask);
    if (!listing.valid()) return true;
    do {
      if (listing.isDotOrDotDot()) continue;
      const std::string name = listing.entry().cFileName;
      if (!CopyFileTo(sourceFolder + "\\" + name, targetFolder + "\\" + name)) {
        failedCode = GetLastError();
        failed = true;
        break;
      }
    } while (listing.next());
  }
  if (!failed) return true;
  SetLastError(failedCode);  // closing the listing must not hide the failed copy's code
  return false;
}

std::string GetLastErrorText() { return LastErrorText; }

bool IsWow64() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = GetModuleHandleA("kernel32");
  auto isWow64Process =
      kernel ? reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")))
             : nullptr;
  if (!isWow64Process) return false;
  BOOL wow64 = FALSE;
  return isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}
