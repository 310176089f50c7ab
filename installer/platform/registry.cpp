// Registry seam of the installer.
#include "registry.h"

namespace reg {
namespace {

// RegOpenKeyEx takes paths relative to the root without the leading backslash the callers write.
const char* relative(const std::string& path) {
  size_t start = path.find_first_not_of('\\');
  return start == std::string::npos ? "" : path.c_str() + start;
}

}  // namespace

RegKey& RegKey::operator=(RegKey&& other) noexcept {
  if (this != &other) {
    if (key_) RegCloseKey(key_);
    key_ = other.key_;
    other.key_ = nullptr;
  }
  return *this;
}

RegKey RegKey::open(HKEY root, const std::string& path, REGSAM access) {
  RegKey key;
  if (RegOpenKeyExA(root, relative(path), 0, access, &key.key_) != ERROR_SUCCESS) key.key_ = nullptr;
  return key;
}

std::string RegKey::string(const char* name) const {
  if (!key_) return {};
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
  std::string value(size, '\0');
  if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS)
    return {};
  value.resize(size);
  // Stored strings usually carry their terminator, but the registry does not insist on it.
  while (!value.empty() && value.back() == '\0') value.pop_back();
  return value;
}

std::vector<std::string> RegKey::subkeyNames() const {
  std::vector<std::string> names;
  if (!key_) return names;
  DWORD count = 0, longest = 0;
  if (RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr) != ERROR_SUCCESS)
    return names;
  names.reserve(count);
  std::string buffer(longest + 1, '\0');
  for (DWORD i = 0;; ++i) {
    DWORD size = static_cast<DWORD>(buffer.size());
    LONG rc = RegEnumKeyExA(key_, i, buffer.data(), &size, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_MORE_DATA) {  // a key added since the count was taken
      buffer.resize(buffer.size() * 2 + 256);
      --i;
      continue;
    }
    if (rc != ERROR_SUCCESS) break;
    names.emplace_back(buffer.data(), size);
  }
  return names;
}

bool keyExists(HKEY root, const std::string& path, REGSAM mask) {
  const REGSAM viewFlags = mask & (KEY_WOW64_32KEY | KEY_WOW64_64KEY);
  return static_cast<bool>(RegKey::open(root, path, STANDARD_RIGHTS_READ | KEY_QUERY_VALUE |
                                                        KEY_ENUMERATE_SUB_KEYS | viewFlags));
}

}  // namespace reg
