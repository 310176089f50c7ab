// Folder trees for tests; attributes are reset before removal because read-only files resist DeleteFile.
#include "folder_tree.h"

#include <atomic>
#include <stdexcept>

namespace orvan::test {
namespace {

class FindHandle {
public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() { if (h_ != INVALID_HANDLE_VALUE) FindClose(h_); }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
private:
  HANDLE h_;
};

class FileHandle {
public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_); }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
private:
  HANDLE h_;
};

std::atomic<int> counter{0};

}  // namespace

void FolderTree::makeFolders(const std::string& absolutePath) {
  for (size_t pos = absolutePath.find('\\', 3); ; pos = absolutePath.find('\\', pos + 1)) {
    CreateDirectoryA(absolutePath.substr(0, pos).c_str(), nullptr);
    if (pos == std::string::npos) break;
  }
}

void FolderTree::writeFile(const std::string& absolutePath, const std::string& content, DWORD attributes) {
  makeFolders(absolutePath.substr(0, absolutePath.find_last_of('\\')));
  SetFileAttributesA(absolutePath.c_str(), FILE_ATTRIBUTE_NORMAL);
  FileHandle f(CreateFileA(absolutePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr));
  if (!f) throw std::runtime_error("cannot create " + absolutePath);
  DWORD written = 0;
  WriteFile(f.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesA(absolutePath.c_str(), attributes);
}

void FolderTree::removeAll(const std::string& absolutePath) {
  DWORD attrs = GetFileAttributesA(absolutePath.c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesA(absolutePath.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attrs & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileA(absolutePath.c_str());
    return;
  }
  // A link or junction is removed itself, never followed into what it points at.
  if (!(attrs & FILE_ATTRIBUTE_REPARSE_POINT)) {
    WIN32_FIND_DATAA entry;
    FindHandle find(FindFirstFileA((absolutePath + "\\*").c_str(), &entry));
    if (find) {
      do {
        std::string name = entry.cFileName;
        if (name != "." && name != "..") removeAll(absolutePath + "\\" + name);
      } while (FindNextFileA(find.get(), &entry));
    }
  }
  RemoveDirectoryA(absolutePath.c_str());
}

FolderTree::FolderTree(const std::string& label) {
  root_ = "C:\\orvan-tests\\" + label + "-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(counter++);
  removeAll(root_);
  makeFolders(root_);
}

FolderTree::~FolderTree() { removeAll(root_); }

std::string FolderTree::path(const std::string& relative) const {
  return relative.empty() ? root_ : root_ + "\\" + relative;
}

std::string FolderTree::folder(const std::string& relative) {
  makeFolders(path(relative));
  return path(relative);
}

std::string FolderTree::file(const std::string& relative, const std::string& content, DWORD attributes) {
  writeFile(path(relative), content, attributes);
  return path(relative);
}

bool FolderTree::exists(const std::string& relative) const {
  return GetFileAttributesA(path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FolderTree::isFolder(const std::string& relative) const {
  DWORD a = attributes(relative);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

DWORD FolderTree::attributes(const std::string& relative) const {
  return GetFileAttributesA(path(relative).c_str());
}

std::string FolderTree::read(const std::string& relative) const {
  FileHandle f(CreateFileA(path(relative).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr));
  if (!f) return {};
  std::string content;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(f.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
  return content;
}

}  // namespace orvan::test
