// The "Orvan Flatbed toolbar" command bar: install, refresh, legacy bars, icons.
#pragma once
#include "command_table.h"

namespace orvan::corel {

bool IsToolbarInstalled(CommandTable& table);
void InstallToolbar(CommandTable& table);
void RefreshToolbar(CommandTable& table);
void RemoveLegacyToolbars(CommandTable& table);

}  // namespace orvan::corel
