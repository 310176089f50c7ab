// The warnings of the mark commands: a Windows message box without owner, caption "Warning", OK.
#pragma once

namespace orvan::markwell {

void ShowWarningBox(const char* text);

}  // namespace orvan::markwell
