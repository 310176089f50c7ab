// Derives the host's plug-in folder from its executable path; pure text logic.
#include "icon_folder.h"

#include "path_limit.h"

namespace orvan::corel {

std::optional<std::wstring> IconFolderFromHostPath(const std::wstring& executablePath) {
  if (!FitsPathBuffer(executablePath.size())) return std::nullopt;
  std::wstring path = executablePath;
  for (wchar_t& c : path)
    if (c >= L'A' && c <= L'Z') c = wchar_t(c - L'A' + L'a');
  std::wstring folder;
  if (auto at = path.find(L"programs64"); at != std::wstring::npos)
    folder = path.substr(0, at) + L"draw\\plugins64\\";
  else if (auto at2 = path.find(L"programs"); at2 != std::wstring::npos)
    folder = path.substr(0, at2) + L"draw\\plugins\\";
  else
    return std::nullopt;
  if (!FitsPathBuffer(folder.size())) return std::nullopt;
  return folder;
}

}  // namespace orvan::corel
