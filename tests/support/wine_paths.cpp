// Path helpers for tests running under Wine.
#include "wine_paths.h"

#include <windows.h>

#include <cstdlib>

namespace orvan::test {

std::string toWindowsPath(const std::string& linuxPath) {
  if (linuxPath.size() >= 2 && linuxPath[1] == ':') return linuxPath;
  std::string out = "Z:";
  for (char c : linuxPath) out += (c == '/') ? '\\' : c;
  return out;
}

std::string envPath(const char* name) {
  const char* value = std::getenv(name);
  return value ? toWindowsPath(value) : std::string();
}

std::string programFolder() {
  char buffer[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string path(buffer, n);
  return path.substr(0, path.find_last_of('\\'));
}

}  // namespace orvan::test
