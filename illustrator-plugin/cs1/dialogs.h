// MarkwellCS1's own dialogs, shown through the host's dialog manager: the About box and the error
// dialog that turns a failure code into a sentence from the string table.
#pragma once

#include "ai_messages.h"

namespace orvan::markwell::cs1 {

AIErr ShowAboutBox(SPPluginRef self);
// Nothing for 0 and STOP, nor while the dialog manager's suites are not held.
void ShowErrorDialog(SPPluginRef self, AIErr code);

}  // namespace orvan::markwell::cs1
