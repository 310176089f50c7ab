// LoadLibrary, the "PIPL" 16000 resource in US English, and the entry it names.
#include "plugin_module.h"

#include <windows.h>

#include <vector>

namespace orvan::aihost {

std::string PluginModule::load(const std::string& file) {
  unload();
  HMODULE module = LoadLibraryA(file.c_str());
  if (!module) return "cannot load " + file + " (error " + std::to_string(GetLastError()) + ")";
  module_ = module;
  HRSRC found = FindResourceExA(module, "PIPL", MAKEINTRESOURCEA(kPiPLResourceId),
                                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  HGLOBAL data = found ? LoadResource(module, found) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) {
    unload();
    return file + " has no plug-in property list (PIPL 16000, US English)";
  }
  const auto* first = static_cast<const std::uint8_t*>(bytes);
  const std::vector<std::uint8_t> list(first, first + SizeofResource(module, found));
  if (std::string why = ParsePipl(list, pipl_); !why.empty()) {
    unload();
    return file + ": " + why;
  }
  entry_ = reinterpret_cast<PluginMainProc>(reinterpret_cast<void*>(GetProcAddress(module, pipl_.entryPoint.c_str())));
  if (!entry_) {
    unload();
    return file + " does not export " + pipl_.entryPoint;
  }
  return {};
}

void PluginModule::unload() {
  if (module_) FreeLibrary(static_cast<HMODULE>(module_));
  module_ = nullptr;
  entry_ = nullptr;
}

}  // namespace orvan::aihost
