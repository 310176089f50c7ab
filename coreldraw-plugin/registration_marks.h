// The two registration-mark commands: a frame of Cutrix marks around the active page's artwork.
#pragma once
#include "command_table.h"

namespace orvan::corel {

void SetCutrixMarkers(CommandTable& table);
void SetCutrixMarkersAndSquares(CommandTable& table);

}  // namespace orvan::corel
