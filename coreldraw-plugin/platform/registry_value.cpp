// Opens keys for querying only and reads bounded text values.
#include "platform/registry_value.h"

#include "path_limit.h"

namespace orvan::corel {

QueryKey QueryKey::open(HKEY root, const std::string& path, REGSAM view) {
  QueryKey key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE | view, &key.key_) != ERROR_SUCCESS) key.key_ = nullptr;
  return key;
}

std::optional<std::string> QueryKey::text(const char* name) const {
  char buffer[kPathBuffer + 1] = {};
  DWORD type = 0, size = kPathBuffer;
  if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
    return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  // A value that fills all 280 bytes without its terminating zero is one byte too long.
  if (size == kPathBuffer && buffer[kPathBuffer - 1] != '\0') return std::nullopt;
  return std::string(buffer);
}

}  // namespace orvan::corel
