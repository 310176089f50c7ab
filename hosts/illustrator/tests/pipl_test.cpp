// The host's reading of plug-in property lists: what it accepts and what it refuses.
#include <gtest/gtest.h>

#include <cstring>

#include "pipl.h"

using namespace orvan::aihost;

namespace {

struct Bytes {
  std::vector<std::uint8_t> b;
  Bytes& u16(std::uint16_t v) {
    b.push_back(v & 0xFF), b.push_back(v >> 8);
    return *this;
  }
  Bytes& u32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
    return *this;
  }
  Bytes& text(const char* s, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) b.push_back(i < std::strlen(s) ? s[i] : 0);
    return *this;
  }
  Bytes& property(const char* key, const char* data, std::size_t n) {
    return text("EBDA", 4).text(key, 4).u32(0).u32(static_cast<std::uint32_t>(n)).text(data, n);
  }
};

Bytes Header(std::uint32_t count) { return Bytes{}.u16(1).u32(0).u32(count); }

}  // namespace

TEST(Pipl, ReadsKindVersionEntryAndNameAndCountsTrailingBytes) {
  Bytes list = Header(4).property("dnik", "AEPS", 4);
  list.text("EBDA", 4).text("srvi", 4).u32(0).u32(4).u32(2);
  list.property("68xw", "PluginMain", 12).property("mnip", "Markwell", 12);
  list.b.push_back(0);
  Pipl pipl;
  ASSERT_EQ(ParsePipl(list.b, pipl), "");
  EXPECT_EQ(pipl.kind, "AEPS");
  EXPECT_EQ(pipl.interfaceVersion, 2);
  EXPECT_EQ(pipl.entryPoint, "PluginMain");
  EXPECT_EQ(pipl.name, "Markwell");
  EXPECT_EQ(pipl.properties.size(), 4u);
  EXPECT_EQ(pipl.trailingBytes, 1u);
}

struct BadList {
  const char* name;
  Bytes bytes;
  const char* reason;
};

class PiplRefused : public ::testing::TestWithParam<BadList> {};

TEST_P(PiplRefused, SaysWhy) {
  Pipl pipl;
  EXPECT_NE(ParsePipl(GetParam().bytes.b, pipl).find(GetParam().reason), std::string::npos)
      << ParsePipl(GetParam().bytes.b, pipl);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, PiplRefused,
    ::testing::Values(BadList{"Truncated", Header(1).text("EBDA", 4), "runs past the end"},
                      BadList{"WrongKind", Header(1).property("dnik", "8BFM", 4), "not an Illustrator plug-in"},
                      BadList{"OddLength", Header(1).property("68xw", "PluginMain", 10), "multiple of 4"},
                      BadList{"NoEntry", [] {
                                Bytes b = Header(2).property("dnik", "AEPS", 4);
                                b.text("EBDA", 4).text("srvi", 4).u32(0).u32(4).u32(2);
                                return b;
                              }(), "no Windows code entry"},
                      BadList{"CountBeyondData", Header(3).property("dnik", "AEPS", 4), "runs past the end"}),
    [](const auto& info) { return std::string(info.param.name); });
