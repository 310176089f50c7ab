// The plug-in files' resources as a host and Windows read them: the property list byte for byte,
// the 64-bit version block, the 32-bit string tables.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "wine_paths.h"

namespace {

struct Module {
  HMODULE handle;
  explicit Module(const std::string& file)
      : handle(LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~Module() {
    if (handle) FreeLibrary(handle);
  }
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;
};

std::vector<std::uint8_t> Pipl(const std::string& file) {
  Module m(file);
  if (!m.handle) return {};
  HRSRC r = FindResourceExA(m.handle, "PIPL", MAKEINTRESOURCEA(16000), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  if (!r) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(m.handle, r)));
  return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(m.handle, r));
}

struct Expected {
  std::vector<std::uint8_t> bytes;
  void u16(std::uint16_t v) { bytes.insert(bytes.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); }
  void u32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(std::uint8_t(v >> (8 * i)));
  }
  void chars(const char* s, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) bytes.push_back(i < std::strlen(s) ? std::uint8_t(s[i]) : 0);
  }
  void property(const char* key, const char* data, std::size_t n) {
    chars("EBDA", 4), chars(key, 4), u32(0), u32(std::uint32_t(n)), chars(data, n);
  }
};

// Header, kind, interface version and code entry: what both editions' lists begin with.
Expected PiplStart(std::uint32_t count) {
  Expected e;
  e.u16(1), e.u32(0), e.u32(count);
  e.property("dnik", "AEPS", 4);
  e.chars("EBDA", 4), e.chars("srvi", 4), e.u32(0), e.u32(4), e.u32(2);
  e.property("68xw", "PluginMain", 12);
  return e;
}

std::string Bin() { return orvan::test::programFolder(); }

}  // namespace

#ifdef _WIN64
TEST(Resources, PropertyListOf64BitEditionByteForByte) {
  Expected e = PiplStart(4);
  e.property("mnip", "Markwell", 12);
  for (const char* file : {"\\MarkwellCC.aip", "\\adobe\\MarkwellCS6.aip", "\\adobe\\MarkwellCC2018.aip"})
    EXPECT_EQ(Pipl(Bin() + file), e.bytes) << file;
}

TEST(Resources, VersionBlockOf64BitEdition) {
  const std::string file = Bin() + "\\MarkwellCC.aip";
  DWORD ignored = 0;
  std::vector<char> block(GetFileVersionInfoSizeA(file.c_str(), &ignored));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010001u);
  auto value = [&](const char* name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904b0\\") + name;
    return VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) ? std::string(text) : "";
  };
  EXPECT_EQ(value("CompanyName"), "Orvan");
  EXPECT_EQ(value("FileDescription"), "Orvan Marks CS6 Plug-in");
  EXPECT_EQ(value("ProductName"), "Adobe Illustrator");
  EXPECT_EQ(value("FileVersion"), "1.1");
  EXPECT_EQ(value("ProductVersion"), "1.1");
}
#else
TEST(Resources, PropertyListOf32BitEditionByteForByte) {
  Expected e = PiplStart(3);
  e.bytes.push_back(0);
  EXPECT_EQ(Pipl(Bin() + "\\MarkwellCS1.aip"), e.bytes);
}

TEST(Resources, StringTablesOf32BitEdition) {
  Module m(Bin() + "\\MarkwellCS1.aip");
  ASSERT_TRUE(m.handle);
  auto text = [&](UINT id) {
    char buffer[256] = {};
    LoadStringA(m.handle, id, buffer, sizeof buffer);
    return std::string(buffer);
  };
  EXPECT_EQ(text(16050), "<Mac strings begin at index 1>");
  EXPECT_EQ(text(16061), "<Others>");
  EXPECT_EQ(text(16063), "") << "the error list ends after the unknown-error sentence";
  EXPECT_EQ(text(17000), "<First Mac index is 1>");
  EXPECT_EQ(text(17001), "Orvan");
  EXPECT_EQ(text(17002), "Add Cutrix Regmarks");
  EXPECT_EQ(text(17003), "Add Cutrix Regmarks + Cut Out Squares");
  EXPECT_TRUE(FindResourceA(m.handle, MAKEINTRESOURCEA(16051), MAKEINTRESOURCEA(5))) << "error dialog";
  EXPECT_TRUE(FindResourceA(m.handle, MAKEINTRESOURCEA(16050), MAKEINTRESOURCEA(5))) << "About box";
}
#endif
