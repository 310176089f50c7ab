// A folder tree on the Wine prefix's C: drive for one test, removed with everything in it afterwards.
#pragma once
#include <windows.h>

#include <string>

namespace orvan::test {

class FolderTree {
public:
  // Makes a new, empty folder C:\orvan-tests\<label>-<pid>-<n>.
  explicit FolderTree(const std::string& label = "tree");
  FolderTree(const FolderTree&) = delete;
  FolderTree& operator=(const FolderTree&) = delete;
  ~FolderTree();  // clears read-only and hidden attributes, then removes the whole tree

  const std::string& root() const { return root_; }
  // root + "\" + relative path ("" gives the root itself); relative paths use backslashes.
  std::string path(const std::string& relative) const;

  // Creates the folder and its parents.
  std::string folder(const std::string& relative);
  // Creates a file (and its folders) with the given content and attributes (FILE_ATTRIBUTE_READONLY, ...).
  std::string file(const std::string& relative, const std::string& content = "",
                   DWORD attributes = FILE_ATTRIBUTE_NORMAL);

  bool exists(const std::string& relative) const;
  bool isFolder(const std::string& relative) const;
  std::string read(const std::string& relative) const;  // "" when missing
  DWORD attributes(const std::string& relative) const;  // INVALID_FILE_ATTRIBUTES when missing

  // Removes any tree under an absolute path, resetting attributes first; no error when missing.
  static void removeAll(const std::string& absolutePath);
  // Creates an absolute folder path and its parents.
  static void makeFolders(const std::string& absolutePath);
  static void writeFile(const std::string& absolutePath, const std::string& content,
                        DWORD attributes = FILE_ATTRIBUTE_NORMAL);

private:
  std::string root_;
};

}  // namespace orvan::test
