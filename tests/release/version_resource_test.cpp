// Windows' own reader (GetFileVersionInfo) reads the version resources that orvan_version_resource() makes,
// for a program (this test) and a library, with defaults and with every argument given.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wine_paths.h"

namespace {

struct Resource {
  std::vector<char> data;
  const VS_FIXEDFILEINFO* fixed = nullptr;

  explicit Resource(const std::string& file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    if (size == 0) return;
    data.resize(size);
    if (!GetFileVersionInfoA(file.c_str(), 0, size, data.data())) return;
    UINT length = 0;
    void* value = nullptr;
    if (VerQueryValueA(data.data(), "\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO))
      fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  }

  std::string text(const char* key) {
    UINT length = 0;
    void* value = nullptr;
    const std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
    if (!VerQueryValueA(data.data(), path.c_str(), &value, &length) || length == 0) return "(missing)";
    return static_cast<const char*>(value);
  }

  DWORD translation() {
    UINT length = 0;
    void* value = nullptr;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 4) return 0;
    return *static_cast<const DWORD*>(value);
  }
};

std::string ownPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

TEST(VersionResource, ProgramWithDefaultsCarriesTheProjectVersionAndMaker) {
  Resource r(ownPath());
  ASSERT_NE(r.fixed, nullptr) << "no version resource in the test program";
  EXPECT_EQ(r.fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(r.fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
  EXPECT_EQ(r.fixed->dwFileVersionMS, (1u << 16) | 33u);
  EXPECT_EQ(r.fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(r.translation(), MAKELONG(0x0409, 1252));
  EXPECT_EQ(r.text("FileVersion"), "1.33.0.0");
  EXPECT_EQ(r.text("ProductVersion"), "1.33.0.0");
  EXPECT_EQ(r.text("ProductName"), "Orvan Cutbench");
  EXPECT_EQ(r.text("FileDescription"), "Version resource check");
  EXPECT_EQ(r.text("OriginalFilename"), "version_resource_test.exe");
  EXPECT_EQ(r.text("InternalName"), "version_resource_test.exe");
  EXPECT_NE(r.text("CompanyName"), "(missing)");
  EXPECT_NE(r.text("LegalCopyright"), "(missing)");
}

TEST(VersionResource, LibraryWithEveryArgumentCarriesThemAsGiven) {
  Resource r(orvan::test::programFolder() + "\\version_fixture.dll");
  ASSERT_NE(r.fixed, nullptr) << "no version resource in version_fixture.dll";
  EXPECT_EQ(r.fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
  EXPECT_EQ(r.fixed->dwFileVersionMS, (2u << 16) | 5u);
  EXPECT_EQ(r.fixed->dwFileVersionLS, 7u);
  EXPECT_EQ(r.fixed->dwProductVersionMS, 1u << 16);
  EXPECT_EQ(r.text("FileVersion"), "2.5.0.7");
  EXPECT_EQ(r.text("ProductVersion"), "1.0.0.0");
  EXPECT_EQ(r.text("ProductName"), "Cutrix Plug-in");
  EXPECT_EQ(r.text("FileDescription"), "A \"quoted\" description");
  EXPECT_EQ(r.text("OriginalFilename"), "Fixture.aip");
  EXPECT_EQ(r.text("InternalName"), "Fixture");
}

}  // namespace
