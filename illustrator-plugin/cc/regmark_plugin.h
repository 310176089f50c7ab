// MarkwellCC's own plug-in object: the submenu with the two mark commands on top of the base object.
#pragma once

#include "plugin.h"

namespace orvan::markwell::cc {

class RegmarkPlugin : public Plugin {
 public:
  struct MenuFields {
    AIMenuItemHandle marksItem = nullptr;
    AIMenuItemHandle marksWithSquaresItem = nullptr;
    std::intptr_t reserved = 0;
  };

  explicit RegmarkPlugin(SPPluginRef self);

  // After a reload the object in the globals slot still points at the dispatch table of the code
  // that was unloaded: a fresh object with the same fields takes its place in the same storage.
  static RegmarkPlugin* Rebind(void* object);

  AIErr OnStartup(SPMessageData* message) override;
  AIErr HandleMessage(const char* caller, const char* selector, void* message) override;
  AIErr OnMenuCommand(AIMenuMessage* message) override;
  AIErr OnMenuUpdate(AIMenuMessage* message) override;

 private:
  RegmarkPlugin(const Fields& fields, const MenuFields& menus) : Plugin(fields), menus_(menus) {}
  AIErr AddRegmarksMenus();

  MenuFields menus_;
};

}  // namespace orvan::markwell::cc
