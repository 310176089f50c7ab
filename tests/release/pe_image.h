// Reads what a release check asks of a Windows program or library: its headers, exported and imported names and
// resources. Portable, so that the check runs on the build machine without Windows.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace release {

using Bytes = std::vector<std::uint8_t>;

// A resource type or name: a number, or a name that Windows compares without regard to letter case.
using ResourceId = std::variant<std::uint16_t, std::string>;

struct PeHeaders {
  std::uint16_t machine = 0;          // 0x014c i386, 0x8664 x64
  std::uint16_t characteristics = 0;  // IMAGE_FILE_DLL is 0x2000
  std::uint16_t magic = 0;            // 0x10b PE32, 0x20b PE32+
  std::uint16_t subsystem = 0;        // 2 GUI, 3 console
  std::uint16_t majorOsVersion = 0, minorOsVersion = 0;
  std::uint16_t majorSubsystemVersion = 0, minorSubsystemVersion = 0;
};

class PeImage {
public:
  // Nothing, with the reason in error, when the file cannot be read or is no well-formed PE image.
  static std::optional<PeImage> load(const std::filesystem::path& file, std::string& error);

  const PeHeaders& headers() const { return headers_; }
  const std::vector<std::string>& exports() const { return exports_; }
  // Names of the libraries the loader must find, load-time and delay-loaded alike.
  const std::vector<std::string>& imports() const { return imports_; }
  // The data of the first language of a resource, or nothing when the image has no such resource.
  std::optional<Bytes> resource(const ResourceId& type, const ResourceId& name) const;

private:
  struct Section { std::uint32_t rva, size, fileOffset, fileSize; };
  struct Directory { std::uint32_t rva = 0, size = 0; };
  std::uint32_t offsetOf(std::uint32_t rva) const;
  std::uint32_t u32(std::uint32_t offset) const;
  std::uint16_t u16(std::uint32_t offset) const;
  std::string cString(std::uint32_t offset) const;
  void readExports(Directory dir);
  void readImports(Directory dir, std::uint32_t entrySize, std::uint32_t nameField);
  std::optional<std::uint32_t> findEntry(std::uint32_t table, const ResourceId& id, bool wantDirectory) const;

  Bytes file_;
  PeHeaders headers_;
  std::vector<Section> sections_;
  Directory resources_;
  std::vector<std::string> exports_;
  std::vector<std::string> imports_;
};

}  // namespace release
