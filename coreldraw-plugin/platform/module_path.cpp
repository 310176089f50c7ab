// Module file names from Windows: the process's main module and the module holding this code.
#include "platform/module_path.h"

#include <windows.h>

#include <vector>

namespace orvan::corel {

namespace {

std::wstring ModuleFileName(HMODULE module) {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, buffer.data(), DWORD(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::wstring HostExecutablePath() { return ModuleFileName(nullptr); }

std::wstring PluginModuleFolder() {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&PluginModuleFolder), &self);
  std::wstring path = ModuleFileName(self);
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace orvan::corel
