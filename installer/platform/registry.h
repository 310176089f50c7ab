// The installer's registry seam: a key owner, the access masks the lookups use, and the existence test.
// Paths are written with a leading backslash relative to the root key, as the lookups state them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace reg {

constexpr REGSAM kFull = KEY_ALL_ACCESS;                      // 0xF003F, the process's own view
constexpr REGSAM kFull64 = KEY_ALL_ACCESS | KEY_WOW64_64KEY;  // 0xF013F
constexpr REGSAM kRead = KEY_READ;                            // 0x20019
constexpr REGSAM kRead32 = KEY_READ | KEY_WOW64_32KEY;        // 0x20219
constexpr REGSAM kRead64 = KEY_READ | KEY_WOW64_64KEY;        // 0x20119

class RegKey {
public:
  RegKey() = default;
  RegKey(RegKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  RegKey& operator=(RegKey&& other) noexcept;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() { if (key_) RegCloseKey(key_); }

  // An empty key when the path does not open with that mask; that is no error for the callers.
  static RegKey open(HKEY root, const std::string& path, REGSAM access);
  explicit operator bool() const { return key_ != nullptr; }

  // A string value, or "" when the key did not open, the value is missing or is not a string.
  std::string string(const char* name) const;
  // The names of all subkeys in the order the registry enumerates them.
  std::vector<std::string> subkeyNames() const;

private:
  HKEY key_ = nullptr;
};

// The key opens for reading its values and subkeys (0x20009), keeping the view flags of mask.
bool keyExists(HKEY root, const std::string& path, REGSAM mask);

}  // namespace reg
