// The installer's file-system seam: current directory, existence tests and directory listings.
#pragma once
#include <windows.h>

#include <string>

namespace files {

// Changes the process's current directory; an empty path never succeeds.
bool setCurrentDir(const std::string& path);
std::string currentDir();
bool fileExists(const std::string& path);       // links followed; a folder is not a file
bool directoryExists(const std::string& path);  // links followed

// Owns a FindFirstFile listing; entries come in the order the file system gives them.
class Listing {
public:
  explicit Listing(const std::string& pattern);
  Listing(const Listing&) = delete;
  Listing& operator=(const Listing&) = delete;
  ~Listing() { if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_); }

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  const WIN32_FIND_DATAA& entry() const { return entry_; }
  bool next() { return FindNextFileA(handle_, &entry_) != FALSE; }
  bool isDotOrDotDot() const;
  bool isDirectory() const { return (entry_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

private:
  WIN32_FIND_DATAA entry_{};  // before handle_: the opening call fills it in handle_'s initialiser
  HANDLE handle_;
};

// The file system's identity of a folder (volume and index), to notice a folder reached twice through links.
struct FolderId {
  DWORD volume = 0, high = 0, low = 0;
  bool operator<(const FolderId& o) const {
    return volume != o.volume ? volume < o.volume : high != o.high ? high < o.high : low < o.low;
  }
};
bool folderId(const std::string& path, FolderId& id);

}  // namespace files
