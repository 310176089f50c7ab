// File and folder utilities of the installer: recursive search, overwriting copy, copy by mask, WOW64 test.
#include "utils.h"

#include <windows.h>

#include <vector>

#include "platform/files.h"

namespace {

std::string LastErrorText;

std::string withCode(const std::string& message, DWORD code) {
  return message + " (" + std::to_string(static_cast<unsigned long>(code)) + ")";
}

bool printableAscii(const char* text) {
  for (; *text; ++text)
    if (static_cast<unsigned char>(*text) < 0x20 || static_cast<unsigned char>(*text) > 0x7E) return false;
  return true;
}

// Case-sensitive comparison in the user's locale. Printable ASCII characters each weigh differently in
// every locale, so for such names the bytes decide, without a call into the locale for every file listed.
bool namesEqual(const char* a, const std::string& b) {
  if (printableAscii(a) && printableAscii(b.c_str())) return b == a;
  return CompareStringA(LOCALE_USER_DEFAULT, 0, a, -1, b.c_str(), -1) == CSTR_EQUAL;
}

// One search: the folders entered so far on the way down, and the last folder entered, which becomes the
// current directory when the search ends.
struct Search {
  const std::string& fileName;
  std::string& found;
  std::vector<std::string> path;
  std::vector<files::FolderId> pathIds;  // filled only when a link has to be checked
  std::string lastEntered;
};

// A folder reached through a link or junction that leads back to a folder on the way down would be
// searched again and again; such a link is passed over.
bool leadsBackUp(Search& search, const std::string& linkedFolder) {
  files::FolderId target;
  if (!files::folderId(linkedFolder, target)) return false;
  for (size_t i = 0; i < search.path.size(); ++i) {
    if (i == search.pathIds.size()) {
      files::FolderId id;
      files::folderId(search.path[i], id);
      search.pathIds.push_back(id);
    }
    if (!(search.pathIds[i] < target) && !(target < search.pathIds[i])) return true;
  }
  return false;
}

// Depth-first search below folder, listing by absolute paths: entering every folder as the current
// directory on the way costs as much again as the listing itself.
bool findFileBelow(Search& search, const std::string& folder) {
  LastErrorText.clear();
  files::Listing listing(folder + "\\*.*");
  // Only a drive root lists no "." entry; any other folder that does not list cannot be entered.
  if (!listing.valid() && GetLastError() != ERROR_FILE_NOT_FOUND) {
    LastErrorText = "Could not acces " + folder;
    return false;
  }
  search.lastEntered = folder;
  search.path.push_back(folder);
  bool found = false;
  if (listing.valid()) {
    do {
      if (listing.isDotOrDotDot()) continue;
      const WIN32_FIND_DATAA& entry = listing.entry();
      if (listing.isDirectory()) {
        const std::string sub = folder + "\\" + entry.cFileName;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && leadsBackUp(search, sub)) continue;
        if (findFileBelow(search, sub)) {
          found = true;
          break;
        }
      } else if (namesEqual(entry.cFileName, search.fileName)) {
        search.found = folder;
        found = true;
        break;
      }
    } while (listing.next());
  }
  search.path.pop_back();
  if (search.pathIds.size() > search.path.size()) search.pathIds.resize(search.path.size());
  if (!found) LastErrorText = "Could not find " + search.fileName + " in " + folder;
  return found;
}

}  // namespace

bool FindFile(const std::string& folder, const std::string& fileName, std::string& foundFolder) {
  Search search{fileName, foundFolder, {}, {}, {}};
  const bool found = findFileBelow(search, folder);
  if (!search.lastEntered.empty()) files::setCurrentDir(search.lastEntered);
  return found;
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
