// Shell special folders and file copies used by the palette installation.
#pragma once
#include <optional>
#include <string>

namespace orvan::corel {

// CSIDL_PERSONAL, CSIDL_COMMON_APPDATA, ...; nothing when Windows cannot say.
std::optional<std::string> SpecialFolder(int csidl);
bool CopyFileReplacing(const std::string& from, const std::string& to);

}  // namespace orvan::corel
