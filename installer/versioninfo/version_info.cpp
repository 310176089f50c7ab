// VersionInfo.dll: reads named strings from the version resource of a file for the installer's caption and
// About dialog.
#include <windows.h>

#include <new>
#include <string>
#include <vector>

#include "version_info_class.h"

namespace {

// The file whose resource is read: a bare name that is a module of this process means that module's full
// path, so the installer's own name finds the installer wherever the current directory is.
std::string ResolveFile(const std::string& fileName) {
  if (fileName.find_first_of("\\/:") != std::string::npos) return fileName;
  HMODULE module = GetModuleHandleA(fileName.c_str());
  if (!module) return fileName;
  char path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(path, n) : fileName;
}

std::string ReadValue(const std::string& fileName, const std::string& key) {
  std::string file = ResolveFile(fileName);
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return {};

  // The string table of the first listed translation; US English, Windows Latin 1 when none is listed.
  std::vector<std::string> tables;
  struct Translation { WORD language, codePage; };
  Translation* translations = nullptr;
  UINT length = 0;
  if (VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length)) {
    for (UINT i = 0; i < length / sizeof(Translation); ++i) {
      char name[16];
      wsprintfA(name, "%04x%04x", translations[i].language, translations[i].codePage);
      tables.push_back(name);
    }
  }
  tables.push_back("040904e4");
  tables.push_back("040904b0");
  for (const std::string& table : tables) {
    std::string query = "\\StringFileInfo\\" + table + "\\" + key;
    char* value = nullptr;
    UINT chars = 0;
    if (VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &chars) && value)
      return std::string(value);
  }
  return {};
}

class VersionInfo final : public VersionInfoClass {
public:
  const char* GetValue(const char* fileName, const char* key) override {
    try {
      value_ = fileName && key ? ReadValue(fileName, key) : std::string();
    } catch (...) {
      value_.clear();
    }
    return value_.c_str();
  }

private:
  std::string value_;
};

}  // namespace

extern "C" VersionInfoClass* __cdecl CreateVersionInfoClassInstance() noexcept {
  try {
    return new VersionInfo;
  } catch (...) {
    return nullptr;
  }
}
