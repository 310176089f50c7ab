// Opens the flatbed series palettes in CorelDRAW at every start.
#pragma once
#include "command_table.h"

namespace orvan::corel {

void InstallSeriesPalettes(CommandTable& table);

}  // namespace orvan::corel
