// The installer's own version strings, read through VersionInfo.dll when that library can be loaded.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "version_info_class.h"

namespace orvan::installer {

// The running executable's file name without its folder ("Benchmate.exe").
std::string ExecutableFileName();

// VersionInfo.dll for one use: loaded by name, one object made, and both released in the right order
// (the object is deleted inside the library before the library is unloaded).
class VersionInfoReader {
public:
  VersionInfoReader();
  VersionInfoReader(const VersionInfoReader&) = delete;
  VersionInfoReader& operator=(const VersionInfoReader&) = delete;
  ~VersionInfoReader();

  // False when the library, its export or the object is missing.
  bool Loaded() const { return info_ != nullptr; }
  // The value of key in the executable's own version resource, as the library returns it.
  std::string Value(const char* key) const;

private:
  HMODULE module_ = nullptr;
  std::unique_ptr<VersionInfoClass> info_;
};

}  // namespace orvan::installer
