// The simulated Illustrator's dialog manager (ADM): the plug-in's string lists, alerts, and modal
// dialogs made from the plug-in's own dialog resources as real Windows dialogs.
#pragma once

#include "ai_suites.h"

namespace orvan::aihost {

const ADMBasicSuite* AdmBasicSuite();
const ADMDialogSuite* AdmDialogSuite();
const ADMItemSuite* AdmItemSuite();

}  // namespace orvan::aihost
