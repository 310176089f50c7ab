// The simulated Illustrator's menus: groups, items in the order they were added, submenus, and
// the automatic enabling that the host works out from the document.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ai_types.h"
#include "document.h"

namespace orvan::aihost {

struct MenuItem {
  std::string owner;  // the plug-in that added it
  std::string key;
  std::string group;
  std::string text;
  bool separator = false;
  bool automatic = false;  // registered for automatic enabling
  std::int16_t action = 0;
  std::int32_t ifObjectIsInArtwork = 0;
  std::int32_t ifObjectIsNotInArtwork = 0;
  std::int32_t ifIsSelected = 0;
  std::int32_t ifIsNotSelected = 0;
};

struct MenuGroup {
  std::string name;
  MenuItem* parent = nullptr;  // the item that opens it as a submenu; null for the host's groups
};

class Menus {
 public:
  Menus();
  AIErr addItem(const std::string& owner, const std::string& key, const std::string& group, const std::string& text,
                MenuItem** item);
  AIErr addGroupAsSubmenu(const std::string& name, MenuItem* parent);
  MenuItem* liveItem(AIMenuItemHandle handle) const;
  MenuItem* findByText(const std::string& text) const;

  // Automatic enabling as the host does it; items not registered for it stay enabled.
  bool enabled(const MenuItem& item, const Document& document) const;

  const std::vector<MenuGroup>& groups() const { return groups_; }
  std::vector<const MenuItem*> itemsOf(const std::string& group) const;

 private:
  std::vector<std::unique_ptr<MenuItem>> items_;
  std::vector<MenuGroup> groups_;
};

}  // namespace orvan::aihost
