// Reads a version resource (VS_VERSIONINFO) as Explorer shows it: the fixed part and the string table.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace release {

struct VersionInfo {
  std::uint32_t fileVersionMS = 0, fileVersionLS = 0;
  std::uint32_t productVersionMS = 0, productVersionLS = 0;
  std::uint32_t fileOS = 0, fileType = 0;
  std::string stringTable;                      // the block's key, language and code page: "040904E4"
  std::map<std::string, std::string> strings;   // the first string table's values, non-ASCII as '?'
  std::vector<std::uint32_t> translations;      // language in the low word, code page in the high word

  std::string fileVersionText() const;          // the fixed file version as "a.b.c.d"
};

// Nothing, with the reason in error, when the data is no well-formed version resource.
std::optional<VersionInfo> parseVersionInfo(const std::vector<std::uint8_t>& data, std::string& error);

}  // namespace release
