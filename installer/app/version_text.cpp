// Loading VersionInfo.dll and reading the executable's version strings through it.
#include "version_text.h"

namespace orvan::installer {

std::string ExecutableFileName() {
  char path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string full(path, n < MAX_PATH ? n : 0);
  return full.substr(full.find_last_of("\\/") + 1);
}

VersionInfoReader::VersionInfoReader() {
  module_ = LoadLibraryA("VersionInfo.dll");
  if (!module_) return;
  auto create = reinterpret_cast<CreateVersionInfoClassInstanceFn>(
      reinterpret_cast<void*>(GetProcAddress(module_, kCreateVersionInfoExport)));
  if (create) info_.reset(create());
}

VersionInfoReader::~VersionInfoReader() {
  info_.reset();
  if (module_) FreeLibrary(module_);
}

std::string VersionInfoReader::Value(const char* key) const {
  if (!info_) return {};
  const char* value = info_->GetValue(ExecutableFileName().c_str(), key);
  return value ? std::string(value) : std::string();
}

}  // namespace orvan::installer
