// The Orvan Cutbench home folder, as the maker's setup program registers it.
#pragma once
#include <optional>
#include <string>

#include "com/dispatch.h"

namespace orvan::corel {

// Shows missingKeyText or unreadableValueText (owned by the host's main window) and gives nothing
// when the folder cannot be read.
std::optional<std::string> ReadHomeFolder(const Dispatch& application, const char* valueName,
                                          const wchar_t* missingKeyText, const wchar_t* unreadableValueText);

}  // namespace orvan::corel
