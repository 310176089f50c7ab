// Reading a PE image by its file layout: every offset is checked against the file, since a release check must
// say what is wrong with a damaged file rather than crash on it.
#include "pe_image.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace release {
namespace {

struct Malformed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

constexpr std::uint32_t kDirExport = 0, kDirImport = 1, kDirResource = 2, kDirDelayImport = 13;

bool sameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::uint16_t PeImage::u16(std::uint32_t offset) const {
  if (std::uint64_t{offset} + 2 > file_.size()) throw Malformed("a field lies beyond the end of the file");
  return static_cast<std::uint16_t>(file_[offset] | file_[offset + 1] << 8);
}

std::uint32_t PeImage::u32(std::uint32_t offset) const {
  return u16(offset) | static_cast<std::uint32_t>(u16(offset + 2)) << 16;
}

std::string PeImage::cString(std::uint32_t offset) const {
  std::string text;
  for (std::uint32_t at = offset; at < file_.size(); ++at) {
    if (file_[at] == 0) return text;
    text += static_cast<char>(file_[at]);
  }
  throw Malformed("a name runs past the end of the file");
}

std::uint32_t PeImage::offsetOf(std::uint32_t rva) const {
  for (const Section& s : sections_) {
    if (rva >= s.rva && rva - s.rva < std::max(s.size, s.fileSize)) {
      if (rva - s.rva >= s.fileSize) throw Malformed("an address points into uninitialised data");
      return s.fileOffset + (rva - s.rva);
    }
  }
  throw Malformed("an address lies in no section");
}

std::optional<PeImage> PeImage::load(const std::filesystem::path& file, std::string& error) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = "cannot open " + file.string();
    return std::nullopt;
  }
  PeImage image;
  image.file_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  try {
    if (image.u16(0) != 0x5a4d) throw Malformed("no MZ header");
    const std::uint32_t pe = image.u32(0x3c);
    if (image.u32(pe) != 0x00004550) throw Malformed("no PE signature");
    const std::uint32_t coff = pe + 4;
    PeHeaders& h = image.headers_;
    h.machine = image.u16(coff);
    const std::uint16_t sectionCount = image.u16(coff + 2);
    const std::uint16_t optionalSize = image.u16(coff + 16);
    h.characteristics = image.u16(coff + 18);
    const std::uint32_t opt = coff + 20;
    h.magic = image.u16(opt);
    if (h.magic != 0x10b && h.magic != 0x20b) throw Malformed("unknown optional header kind");
    h.majorOsVersion = image.u16(opt + 40);
    h.minorOsVersion = image.u16(opt + 42);
    h.majorSubsystemVersion = image.u16(opt + 48);
    h.minorSubsystemVersion = image.u16(opt + 50);
    h.subsystem = image.u16(opt + 68);
    const std::uint32_t dirCountAt = h.magic == 0x10b ? opt + 92 : opt + 108;
    const std::uint32_t dirCount = image.u32(dirCountAt);
    auto directory = [&](std::uint32_t index) {
      Directory d;
      if (index < dirCount) {
        d.rva = image.u32(dirCountAt + 4 + index * 8);
        d.size = image.u32(dirCountAt + 8 + index * 8);
      }
      return d;
    };
    for (std::uint32_t i = 0, at = opt + optionalSize; i < sectionCount; ++i, at += 40) {
      image.sections_.push_back({image.u32(at + 12), image.u32(at + 8), image.u32(at + 20), image.u32(at + 16)});
    }
    image.readExports(directory(kDirExport));
    image.readImports(directory(kDirImport), 20, 12);
    image.readImports(directory(kDirDelayImport), 32, 4);
    image.resources_ = directory(kDirResource);
  } catch (const Malformed& e) {
    error = file.filename().string() + ": " + e.what();
    return std::nullopt;
  }
  return image;
}

void PeImage::readExports(Directory dir) {
  if (dir.rva == 0) return;
  const std::uint32_t at = offsetOf(dir.rva);
  const std::uint32_t nameCount = u32(at + 24);
  const std::uint32_t names = offsetOf(u32(at + 32));
  for (std::uint32_t i = 0; i < nameCount; ++i) exports_.push_back(cString(offsetOf(u32(names + i * 4))));
}

// Import and delay-import tables are arrays of fixed-size records that end with an all-zero one; the library
// name is an address at a fixed place in each record.
void PeImage::readImports(Directory dir, std::uint32_t entrySize, std::uint32_t nameField) {
  if (dir.rva == 0) return;
  for (std::uint32_t at = offsetOf(dir.rva);; at += entrySize) {
    const std::uint32_t nameRva = u32(at + nameField);
    if (nameRva == 0) return;
    imports_.push_back(cString(offsetOf(nameRva)));
  }
}

// One level of the resource tree: the offset (within the resource section) of the entry's target.
std::optional<std::uint32_t> PeImage::findEntry(std::uint32_t table, const ResourceId& id, bool wantDirectory) const {
  const std::uint32_t base = offsetOf(resources_.rva);
  const std::uint32_t at = base + table;
  const std::uint32_t count = u16(at + 12) + u16(at + 14);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t entry = at + 16 + i * 8;
    const std::uint32_t name = u32(entry);
    const std::uint32_t target = u32(entry + 4);
    bool match = false;
    if (name & 0x80000000u) {
      if (const auto* text = std::get_if<std::string>(&id)) {
        const std::uint32_t s = base + (name & 0x7fffffffu);
        std::string entryName;
        for (std::uint32_t c = 0, length = u16(s); c < length; ++c) {
          const std::uint16_t unit = u16(s + 2 + c * 2);
          entryName += unit < 0x80 ? static_cast<char>(unit) : '?';
        }
        match = sameName(entryName, *text);
      }
    } else if (const auto* number = std::get_if<std::uint16_t>(&id)) {
      match = name == *number;
    }
    if (!match) continue;
    if (wantDirectory != ((target & 0x80000000u) != 0)) throw Malformed("the resource tree has the wrong shape");
    return target & 0x7fffffffu;
  }
  return std::nullopt;
}

std::optional<Bytes> PeImage::resource(const ResourceId& type, const ResourceId& name) const {
  if (resources_.rva == 0) return std::nullopt;
  try {
    const auto types = findEntry(0, type, true);
    if (!types) return std::nullopt;
    const auto names = findEntry(*types, name, true);
    if (!names) return std::nullopt;
    const std::uint32_t languages = offsetOf(resources_.rva) + *names;
    if (u16(languages + 12) + u16(languages + 14) == 0) return std::nullopt;
    const std::uint32_t leaf = u32(languages + 16 + 4);
    if (leaf & 0x80000000u) return std::nullopt;
    const std::uint32_t dataEntry = offsetOf(resources_.rva) + leaf;
    const std::uint32_t data = offsetOf(u32(dataEntry));
    const std::uint32_t size = u32(dataEntry + 4);
    if (std::uint64_t{data} + size > file_.size()) return std::nullopt;
    return Bytes(file_.begin() + data, file_.begin() + data + size);
  } catch (const Malformed&) {
    return std::nullopt;
  }
}

}  // namespace release
