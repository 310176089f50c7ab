// The plug-in property list, read field by field as little-endian data.
#include "pipl.h"

#include <cstring>

namespace orvan::aihost {
namespace {

std::uint32_t Word32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

std::string Chars(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t n) {
  return std::string(reinterpret_cast<const char*>(b.data() + at), n);
}

std::string CText(const std::vector<std::uint8_t>& data) {
  return std::string(reinterpret_cast<const char*>(data.data()), strnlen(reinterpret_cast<const char*>(data.data()), data.size()));
}

}  // namespace

std::string ParsePipl(const std::vector<std::uint8_t>& bytes, Pipl& pipl) {
  pipl = {};
  if (bytes.size() < 10) return "property list shorter than its header";
  if ((bytes[0] | (bytes[1] << 8)) != 1) return "property list reserved field is not 1";
  if (Word32(bytes, 2) != 0) return "unknown property list version";
  const std::uint32_t count = Word32(bytes, 6);
  std::size_t at = 10;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (bytes.size() - at < 16) return "property " + std::to_string(i) + " runs past the end";
    PiplProperty p{Chars(bytes, at, 4), Chars(bytes, at + 4, 4), {}};
    const std::uint32_t length = Word32(bytes, at + 12);
    at += 16;
    if (length % 4 != 0) return "property " + p.key + " has a length that is not a multiple of 4";
    if (bytes.size() - at < length) return "property " + p.key + " runs past the end";
    p.data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
    if (p.vendor != "EBDA") return "property " + p.key + " of unknown vendor " + p.vendor;
    if (p.key == "dnik" && length == 4) pipl.kind = Chars(p.data, 0, 4);
    if (p.key == "srvi" && length == 4) pipl.interfaceVersion = static_cast<std::int32_t>(Word32(p.data, 0));
    if (p.key == "68xw") pipl.entryPoint = CText(p.data);
    if (p.key == "mnip") pipl.name = CText(p.data);
    pipl.properties.push_back(std::move(p));
  }
  pipl.trailingBytes = bytes.size() - at;
  if (pipl.kind != "AEPS") return "not an Illustrator plug-in (kind \"" + pipl.kind + "\")";
  if (pipl.interfaceVersion != 2) return "unsupported interface version " + std::to_string(pipl.interfaceVersion);
  if (pipl.entryPoint.empty()) return "no Windows code entry";
  return {};
}

}  // namespace orvan::aihost
