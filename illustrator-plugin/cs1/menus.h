// MarkwellCS1's submenu: the globals block that keeps its command items, and the menu building.
#pragma once

#include "ai_types.h"

namespace orvan::markwell::cs1 {

// Allocated through "SP Blocks Suite" at startup; the host keeps its address across unload and reload.
struct Globals {
  AIMenuItemHandle marksItem;
  AIMenuItemHandle marksWithSquaresItem;
  std::int32_t unused[2];
};
static_assert(sizeof(void*) != 4 || sizeof(Globals) == 16, "the host hands out a 16-byte block");

AIErr AddRegmarksMenus(SPPluginRef self, Globals* globals);

}  // namespace orvan::markwell::cs1
