// Where the toolbar icons lie: the host's plug-in folder, derived from the host's executable path.
#pragma once
#include <optional>
#include <string>

namespace orvan::corel {

// "...\Programs64\CorelDRW.exe" -> "...\draw\plugins64\", "...\Programs\..." -> "...\draw\plugins\",
// lower-cased (ASCII letters only). Nothing when the path names neither folder or the result
// would not fit the path buffer.
std::optional<std::wstring> IconFolderFromHostPath(const std::wstring& executablePath);

}  // namespace orvan::corel
