// Shell folder lookups and plain file copies.
#include "platform/special_folder.h"

#include <windows.h>
#include <shlobj.h>

#include "path_limit.h"

namespace orvan::corel {

std::optional<std::string> SpecialFolder(int csidl) {
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return std::nullopt;
  return std::string(path);
}

bool CopyFileReplacing(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

}  // namespace orvan::corel
