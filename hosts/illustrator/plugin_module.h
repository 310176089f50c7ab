// Loading a plug-in file as the host does: the library, its property list, its code entry.
#pragma once

#include <string>

#include "ai_messages.h"
#include "pipl.h"

namespace orvan::aihost {

class PluginModule {
 public:
  PluginModule() = default;
  ~PluginModule() { unload(); }
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  // Empty text on success, else why the file was refused (and nothing stays loaded).
  std::string load(const std::string& file);
  void unload();

  bool loaded() const { return module_ != nullptr; }
  void* handle() const { return module_; }
  PluginMainProc entry() const { return entry_; }
  const Pipl& pipl() const { return pipl_; }

 private:
  void* module_ = nullptr;
  PluginMainProc entry_ = nullptr;
  Pipl pipl_;
};

}  // namespace orvan::aihost
