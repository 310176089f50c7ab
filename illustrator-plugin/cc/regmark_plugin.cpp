// MarkwellCC's plug-in object: builds the "Orvan" submenu and runs its two commands.
#include "regmark_plugin.h"

#include <cstring>
#include <new>

#include "cc_edition.h"
#include "suites_cc.h"

namespace orvan::markwell::cc {
namespace {

constexpr char kPluginName[] = "OrvanCC";
constexpr char kMenuGroup[] = "Orvan";
constexpr char kSubmenuText[] = "Orvan";
constexpr char kSubmenuKey[] = "Orvan";
constexpr char kSeparatorKey[] = "-";
constexpr char kHostGroup[] = "Export Document";
constexpr char kMarksCommand[] = "Add Cutrix Pro Registration Marks";
constexpr char kMarksWithSquaresCommand[] = "Add Cutrix Pro Registration Marks + Cut Out Squares";

AIErr AddItem(SPPluginRef self, const char* key, const char* group, const char* text, AIMenuItemHandle* item) {
  CcEdition::Title hostText(text);
  const AIAddMenuItemDataT<AIUnicodeStringRef> data{group, hostText.get()};
  return sAIMenu->AddMenuItem(self, key, &data, 0, item);
}

// Enabled by the host while the artwork holds an object of any kind, whatever is selected.
AIErr EnableWithArtwork(AIMenuItemHandle item) {
  return sAIMenu->UpdateMenuItemAutomatically(item, kAutoEnableMenuItemAction, kIfAnyArt, 0, 0, 0, 0, 0);
}

}  // namespace

RegmarkPlugin::RegmarkPlugin(SPPluginRef self) : Plugin(self) {
  std::strncpy(fields_.name, kPluginName, sizeof fields_.name - 1);
}

RegmarkPlugin* RegmarkPlugin::Rebind(void* object) {
  auto* stale = static_cast<RegmarkPlugin*>(object);
  const Fields fields = stale->fields_;
  const MenuFields menus = stale->menus_;
  return new (object) RegmarkPlugin(fields, menus);
}

AIErr RegmarkPlugin::OnStartup(SPMessageData* message) {
  if (AIErr err = Plugin::OnStartup(message)) return err;
  return AddRegmarksMenus();
}

// A separator that can be added means another of the maker's plug-ins already made the group;
// the line then sets this plug-in's commands apart from its.
AIErr RegmarkPlugin::AddRegmarksMenus() {
  AIMenuItemHandle separator = nullptr;
  if (AddItem(self(), kSeparatorKey, kMenuGroup, "-", &separator) != kNoErr) {
    AIMenuItemHandle submenuItem = nullptr;
    if (AIErr err = AddItem(self(), kSubmenuKey, kHostGroup, kSubmenuText, &submenuItem)) return err;
    EnableWithArtwork(submenuItem);
    AIMenuGroup group = nullptr;
    sAIMenu->AddMenuGroupAsSubMenu(kMenuGroup, 0, submenuItem, &group);
  }
  AIErr err = AddItem(self(), kMarksCommand, kMenuGroup, kMarksCommand, &menus_.marksItem);
  if (err) return err;
  if ((err = EnableWithArtwork(menus_.marksItem))) return err;
  err = AddItem(self(), kMarksWithSquaresCommand, kMenuGroup, kMarksWithSquaresCommand, &menus_.marksWithSquaresItem);
  if (err) return err;
  return EnableWithArtwork(menus_.marksWithSquaresItem);
}

AIErr RegmarkPlugin::HandleMessage(const char* caller, const char* selector, void* message) {
  AIErr err;
  try {
    err = Plugin::HandleMessage(caller, selector, message);
  } catch (const ai::Error& e) {
    err = e.code;
  } catch (...) {
    err = kCantHappenErr;
  }
  if (err != kNoErr && err != kUnhandledMsgErr) ReportFailure(err, caller, selector);
  return err;
}

AIErr RegmarkPlugin::OnMenuCommand(AIMenuMessage* message) {
  if (message->menuItem == menus_.marksItem) return RegmarkDrawer<CcEdition>().AddRegmarks(false);
  if (message->menuItem == menus_.marksWithSquaresItem) return RegmarkDrawer<CcEdition>().AddRegmarks(true);
  return kNoErr;
}

AIErr RegmarkPlugin::OnMenuUpdate(AIMenuMessage*) { return kNoErr; }

}  // namespace orvan::markwell::cc
