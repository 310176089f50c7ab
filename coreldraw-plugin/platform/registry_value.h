// Registry reads of the plug-in: a text value of at most 280 bytes under a key opened for querying.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <utility>

namespace orvan::corel {

class QueryKey {
public:
  // view: 0 for the process's own view, or KEY_WOW64_32KEY / KEY_WOW64_64KEY.
  static QueryKey open(HKEY root, const std::string& path, REGSAM view = 0);
  QueryKey(QueryKey&& o) noexcept : key_(o.key_) { o.key_ = nullptr; }
  QueryKey(const QueryKey&) = delete;
  QueryKey& operator=(QueryKey&& o) noexcept { std::swap(key_, o.key_); return *this; }
  ~QueryKey() { if (key_) RegCloseKey(key_); }
  explicit operator bool() const { return key_ != nullptr; }

  // Nothing when the value is missing, not text, or needs more than 280 bytes with its zero.
  std::optional<std::string> text(const char* name) const;

private:
  QueryKey() = default;
  HKEY key_ = nullptr;
};

}  // namespace orvan::corel
