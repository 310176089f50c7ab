// Windows side of the mark commands' warnings.
#include "warning_box.h"

#include <windows.h>

namespace orvan::markwell {

void ShowWarningBox(const char* text) { MessageBoxA(nullptr, text, "Warning", MB_OK); }

}  // namespace orvan::markwell
