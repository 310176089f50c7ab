// ANSI to UTF-16 for the paths handed to the host.
#include "platform/text.h"

#include <windows.h>

namespace orvan::corel {

std::wstring Widen(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), nullptr, 0);
  std::wstring wide(size_t(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), wide.data(), length);
  return wide;
}

}  // namespace orvan::corel
