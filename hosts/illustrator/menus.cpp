// The simulated Illustrator's menus and their automatic enabling.
#include "menus.h"

#include <algorithm>

namespace orvan::aihost {

Menus::Menus() {
  for (const char* name : {"Document Utilities", "Export Document", "Save For Web"}) groups_.push_back({name, nullptr});
}

AIErr Menus::addItem(const std::string& owner, const std::string& key, const std::string& group,
                     const std::string& text, MenuItem** item) {
  if (std::none_of(groups_.begin(), groups_.end(), [&](const MenuGroup& g) { return g.name == group; }))
    return kBadParameterErr;
  auto made = std::make_unique<MenuItem>();
  made->owner = owner;
  made->key = key;
  made->group = group;
  made->text = text;
  made->separator = text == "-";
  *item = made.get();
  items_.push_back(std::move(made));
  return kNoErr;
}

AIErr Menus::addGroupAsSubmenu(const std::string& name, MenuItem* parent) {
  if (std::any_of(groups_.begin(), groups_.end(), [&](const MenuGroup& g) { return g.name == name; }))
    return kBadParameterErr;
  groups_.push_back({name, parent});
  return kNoErr;
}

MenuItem* Menus::liveItem(AIMenuItemHandle handle) const {
  for (const auto& item : items_)
    if (reinterpret_cast<AIMenuItemHandle>(item.get()) == handle) return item.get();
  return nullptr;
}

MenuItem* Menus::findByText(const std::string& text) const {
  for (const auto& item : items_)
    if (!item->separator && item->text == text) return item.get();
  return nullptr;
}

bool Menus::enabled(const MenuItem& item, const Document& document) const {
  if (item.separator) return false;
  if (!item.automatic || item.action != kAutoEnableMenuItemAction) return true;
  const bool hasArt = document.hasArtwork();
  if (item.ifObjectIsInArtwork != 0 && !hasArt) return false;
  if (item.ifObjectIsNotInArtwork != 0 && hasArt) return false;
  const auto all = document.allArt();
  const bool anySelected = std::any_of(all.begin(), all.end(), [](const Art* a) { return a->attrs & kArtSelected; });
  if (item.ifIsSelected != 0 && !anySelected) return false;
  if (item.ifIsNotSelected != 0 && anySelected) return false;
  return true;
}

std::vector<const MenuItem*> Menus::itemsOf(const std::string& group) const {
  std::vector<const MenuItem*> out;
  for (const auto& item : items_)
    if (item->group == group) out.push_back(item.get());
  return out;
}

}  // namespace orvan::aihost
