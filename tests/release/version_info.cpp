// VS_VERSIONINFO is a tree of nodes (length, value length, type, UTF-16 key, value, children), each part
// aligned to four bytes from the start of the resource.
#include "version_info.h"

#include <stdexcept>

namespace release {
namespace {

struct Malformed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Node {
  std::string key;
  std::uint32_t valueAt = 0, valueLength = 0, type = 0;
  std::uint32_t childrenAt = 0, end = 0;
};

class Reader {
public:
  explicit Reader(const std::vector<std::uint8_t>& data) : data_(data) {}

  std::uint16_t u16(std::uint32_t at) const {
    if (std::uint64_t{at} + 2 > data_.size()) throw Malformed("a field lies beyond the end of the resource");
    return static_cast<std::uint16_t>(data_[at] | data_[at + 1] << 8);
  }
  std::uint32_t u32(std::uint32_t at) const { return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16; }

  // Text of UTF-16 units up to a terminating zero or the limit; returns the offset after the zero.
  std::uint32_t text(std::uint32_t at, std::uint32_t limit, std::string& out) const {
    out.clear();
    while (at + 2 <= limit) {
      const std::uint16_t unit = u16(at);
      at += 2;
      if (unit == 0) return at;
      out += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return at;
  }

  Node node(std::uint32_t at, std::uint32_t parentEnd) const {
    Node n;
    const std::uint16_t length = u16(at);
    if (length < 6 || at + length > parentEnd) throw Malformed("a node's length does not fit its parent");
    n.end = at + length;
    n.valueLength = u16(at + 2);
    n.type = u16(at + 4);
    n.valueAt = align(text(at + 6, n.end, n.key));
    // Text values count UTF-16 units, binary values count bytes.
    const std::uint32_t valueBytes = n.type == 1 ? n.valueLength * 2 : n.valueLength;
    if (n.valueAt + valueBytes > n.end) throw Malformed("the value of \"" + n.key + "\" does not fit its node");
    n.childrenAt = align(n.valueAt + valueBytes);
    return n;
  }

  template <class Visit> void children(const Node& parent, Visit visit) const {
    for (std::uint32_t at = parent.childrenAt; at + 6 <= parent.end;) {
      const Node child = node(at, parent.end);
      visit(child);
      at = align(child.end);
    }
  }

private:
  static std::uint32_t align(std::uint32_t at) { return (at + 3) & ~3u; }
  const std::vector<std::uint8_t>& data_;
};

}  // namespace

std::string VersionInfo::fileVersionText() const {
  return std::to_string(fileVersionMS >> 16) + "." + std::to_string(fileVersionMS & 0xffff) + "." +
         std::to_string(fileVersionLS >> 16) + "." + std::to_string(fileVersionLS & 0xffff);
}

std::optional<VersionInfo> parseVersionInfo(const std::vector<std::uint8_t>& data, std::string& error) {
  try {
    Reader r(data);
    const Node root = r.node(0, static_cast<std::uint32_t>(data.size()));
    if (root.key != "VS_VERSION_INFO") throw Malformed("the root is \"" + root.key + "\", not VS_VERSION_INFO");
    if (root.valueLength < 52 || r.u32(root.valueAt) != 0xfeef04bd) throw Malformed("no VS_FIXEDFILEINFO");
    VersionInfo info;
    info.fileVersionMS = r.u32(root.valueAt + 8);
    info.fileVersionLS = r.u32(root.valueAt + 12);
    info.productVersionMS = r.u32(root.valueAt + 16);
    info.productVersionLS = r.u32(root.valueAt + 20);
    info.fileOS = r.u32(root.valueAt + 32);
    info.fileType = r.u32(root.valueAt + 36);
    r.children(root, [&](const Node& block) {
      if (block.key == "StringFileInfo") {
        r.children(block, [&](const Node& table) {
          if (!info.stringTable.empty()) return;
          info.stringTable = table.key;
          r.children(table, [&](const Node& entry) {
            std::string value;
            if (entry.type == 1) r.text(entry.valueAt, entry.valueAt + entry.valueLength * 2, value);
            info.strings[entry.key] = value;
          });
        });
      } else if (block.key == "VarFileInfo") {
        r.children(block, [&](const Node& var) {
          if (var.key != "Translation") return;
          for (std::uint32_t at = var.valueAt; at + 4 <= var.valueAt + var.valueLength; at += 4)
            info.translations.push_back(r.u32(at));
        });
      }
    });
    return info;
  } catch (const Malformed& e) {
    error = e.what();
    return std::nullopt;
  }
}

}  // namespace release
