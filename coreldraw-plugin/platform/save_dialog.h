// The common save dialog that asks where to publish the PDF.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace orvan::corel {

// The chosen file, or nothing when the user cancels.
std::optional<std::string> AskPdfFileName(HWND owner);

}  // namespace orvan::corel
