// MarkwellCS1's "Orvan Actions Group" submenu, its texts read from the string table.
#include "menus.h"

#include "ai_messages.h"
#include "cs1_edition.h"
#include "resource_ids.h"
#include "suites_cs1.h"

namespace orvan::markwell::cs1 {
namespace {

constexpr char kMenuGroup[] = "Orvan Actions Group";
constexpr char kGroupItemKey[] = "Orvan Actions Group";  // separator and submenu item alike
constexpr char kHostGroup[] = "Export Document";
constexpr char kMarksKey[] = "Add Cutrix Regmarks";
constexpr char kMarksWithSquaresKey[] = "Add Cutrix Regmarks + Cut Out Squares";

AIErr AddItem(SPPluginRef self, const char* key, const char* group, const char* text, AIMenuItemHandle* item) {
  PascalString hostText(text);
  const AIAddMenuItemDataT<AIPascalString> data{group, hostText.get()};
  return sAIMenu->AddMenuItem(self, key, &data, 0, item);
}

AIErr EnableWithArtwork(AIMenuItemHandle item) {
  return sAIMenu->UpdateMenuItemAutomatically(item, kAutoEnableMenuItemAction, kIfAnyArt, 0, 0, 0, 0, 0);
}

AIErr ReadText(SPPluginRef self, int index, char (&text)[256]) {
  text[0] = '\0';
  AIErr err = sADMBasic->GetIndexString(self, IDS_MENU_LIST, index, text, sizeof text);
  text[sizeof text - 1] = '\0';
  return err;
}

}  // namespace

AIErr AddRegmarksMenus(SPPluginRef self, Globals* globals) {
  char submenuText[256], marksText[256], marksWithSquaresText[256];
  if (AIErr err = ReadText(self, 1, submenuText)) return err;
  if (AIErr err = ReadText(self, 2, marksText)) return err;
  if (AIErr err = ReadText(self, 3, marksWithSquaresText)) return err;

  AIMenuItemHandle separator = nullptr;
  if (AddItem(self, kGroupItemKey, kMenuGroup, "-", &separator) != kNoErr) {
    AIMenuItemHandle submenuItem = nullptr;
    if (AIErr err = AddItem(self, kGroupItemKey, kHostGroup, submenuText, &submenuItem)) return err;
    EnableWithArtwork(submenuItem);
    AIMenuGroup group = nullptr;
    sAIMenu->AddMenuGroupAsSubMenu(kMenuGroup, 0, submenuItem, &group);
  }
  AIErr err = AddItem(self, kMarksKey, kMenuGroup, marksText, &globals->marksItem);
  if (err) return err;
  if ((err = EnableWithArtwork(globals->marksItem))) return err;
  err = AddItem(self, kMarksWithSquaresKey, kMenuGroup, marksWithSquaresText, &globals->marksWithSquaresItem);
  if (err) return err;
  return EnableWithArtwork(globals->marksWithSquaresItem);
}

}  // namespace orvan::markwell::cs1
