// The release check of the program folder (dist/), as the maker runs it before shipping: every file there and
// nothing else, each binary built for its host, with its entry point, version resource and system imports only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "pe_image.h"
#include "version_info.h"

namespace fs = std::filesystem;
using release::PeImage;

namespace {

enum class Role { Installer, VersionLibrary, IllustratorPlugin, CorelPlugin };

// Which version resource a binary carries. Ours: the maker's own, the same maker named in each. MarkwellBlock:
// the Illustrator plug-in's block, whose company "Orvan" and product "Adobe Illustrator" stay as Illustrator
// users know them. None: the 32-bit CS1 edition has dialogs and strings in its place.
enum class Version { Ours, MarkwellBlock, None };

struct Binary {
  const char* path;  // below the program folder
  Role role;
  bool is64;
  Version version;
};

const Binary kBinaries[] = {
    {"Benchmate.exe", Role::Installer, false, Version::Ours},
    {"VersionInfo.dll", Role::VersionLibrary, false, Version::Ours},
    {"Adobe/MarkwellCS1.aip", Role::IllustratorPlugin, false, Version::None},
    {"Adobe/MarkwellCS6.aip", Role::IllustratorPlugin, false, Version::MarkwellBlock},
    {"Adobe/MarkwellCC.aip", Role::IllustratorPlugin, false, Version::MarkwellBlock},
    {"Adobe/MarkwellCC2018.aip", Role::IllustratorPlugin, false, Version::MarkwellBlock},
    {"Adobe/x64/MarkwellCS6.aip", Role::IllustratorPlugin, true, Version::MarkwellBlock},
    {"Adobe/x64/MarkwellCC.aip", Role::IllustratorPlugin, true, Version::MarkwellBlock},
    {"Adobe/x64/MarkwellCC2018.aip", Role::IllustratorPlugin, true, Version::MarkwellBlock},
    {"Corel/plugin/Win32/Tablebar.cpg", Role::CorelPlugin, false, Version::Ours},
    {"Corel/plugin/x64/Tablebar.cpg", Role::CorelPlugin, true, Version::Ours},
};

const char* const kSwatchFiles[] = {"Adobe/Q_series.ase", "Adobe/Q_series_CutContour.ase"};
const char* const kToolbarIcons[] = {"Corel/plugin/template_St.ico", "Corel/plugin/cutrix_16.ico",
                                     "Corel/plugin/cutout_16.ico", "Corel/plugin/pdf_16.ico"};

// Libraries that every Windows from 7 on has. Anything else (a MinGW runtime DLL, a library of our own, or a
// system library that Windows 7 lacks, such as shcore.dll) would stop the program from loading somewhere.
const std::set<std::string> kSystemLibraries = {
    "advapi32.dll", "bcrypt.dll",   "cfgmgr32.dll", "comctl32.dll", "comdlg32.dll", "crypt32.dll",  "dwmapi.dll",
    "gdi32.dll",    "gdiplus.dll",  "hid.dll",      "imm32.dll",    "iphlpapi.dll", "kernel32.dll", "msimg32.dll",
    "msvcrt.dll",   "netapi32.dll", "ntdll.dll",    "ole32.dll",    "oleaut32.dll", "powrprof.dll", "psapi.dll",
    "rpcrt4.dll",   "secur32.dll",  "setupapi.dll", "shell32.dll",  "shlwapi.dll",  "user32.dll",   "userenv.dll",
    "usp10.dll",    "uxtheme.dll",  "version.dll",  "winhttp.dll",  "wininet.dll",  "winmm.dll",    "winspool.drv",
    "winusb.dll",   "wintrust.dll", "ws2_32.dll",   "wsock32.dll",  "wtsapi32.dll", "mpr.dll",      "urlmon.dll"};

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

fs::path distDir() {
  const char* dir = std::getenv("ORVAN_DIST_DIR");
  return dir ? fs::path(dir) : fs::path("dist");
}

std::string entryPointOf(Role role) {
  switch (role) {
    case Role::IllustratorPlugin: return "PluginMain";
    case Role::CorelPlugin: return "AttachPlugin";
    case Role::VersionLibrary: return "_CreateVersionInfoClassInstance";
    case Role::Installer: break;
  }
  return "";
}

release::Bytes readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return release::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PrintTo(const Binary& binary, std::ostream* out) { *out << binary.path; }

std::vector<Binary> binariesWhere(bool (*keep)(const Binary&)) {
  std::vector<Binary> kept;
  std::copy_if(std::begin(kBinaries), std::end(kBinaries), std::back_inserter(kept), keep);
  return kept;
}

// "1.1" and "1.1.0.0" name the same version.
std::string fourPartVersion(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t dot; (dot = text.find('.', start)) != std::string::npos; start = dot + 1)
    parts.push_back(text.substr(start, dot - start));
  parts.push_back(text.substr(start));
  while (parts.size() < 4) parts.push_back("0");
  return parts[0] + "." + parts[1] + "." + parts[2] + "." + parts[3];
}

std::string caseName(const ::testing::TestParamInfo<Binary>& info) {
  std::string name = info.param.path;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

TEST(ProgramFolder, HoldsEveryShippedFileAndNothingElse) {
  ASSERT_TRUE(fs::is_directory(distDir())) << distDir() << " does not exist: lay out the program folder first (./run dist)";
  std::set<std::string> expected;
  for (const Binary& b : kBinaries) expected.insert(b.path);
  for (const char* f : kSwatchFiles) expected.insert(f);
  for (const char* f : kToolbarIcons) expected.insert(f);

  std::set<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(distDir())) {
    if (entry.is_regular_file()) found.insert(entry.path().lexically_relative(distDir()).generic_string());
  }
  for (const std::string& file : expected) {
    EXPECT_TRUE(found.count(file)) << "missing from the program folder: " << file;
  }
  for (const std::string& file : found) {
    if (expected.count(file)) continue;
    const std::string extension = lower(fs::path(file).extension().string());
    const bool program = extension == ".exe" || extension == ".dll" || extension == ".com" || extension == ".bat";
    ADD_FAILURE() << (program ? "a test or helper program has no place in the program folder: "
                              : "not part of the program folder: ")
                  << file;
  }
}

class ShippedBinary : public ::testing::TestWithParam<Binary> {
protected:
  void SetUp() override {
    path_ = distDir() / GetParam().path;
    if (!fs::exists(path_)) GTEST_SKIP() << GetParam().path << " is missing (see HoldsEveryShippedFileAndNothingElse)";
    std::string error;
    image_ = PeImage::load(path_, error);
    ASSERT_TRUE(image_) << GetParam().path << " is no readable Windows binary: " << error;
  }
  fs::path path_;
  std::optional<PeImage> image_;
};

TEST_P(ShippedBinary, IsBuiltForItsHost) {
  const auto& h = image_->headers();
  const bool isProgram = GetParam().role == Role::Installer;
  EXPECT_EQ(h.machine, GetParam().is64 ? 0x8664 : 0x014c) << "machine type of " << GetParam().path;
  EXPECT_EQ(h.magic, GetParam().is64 ? 0x20b : 0x10b) << "optional header kind of " << GetParam().path;
  EXPECT_EQ((h.characteristics & 0x2000) != 0, !isProgram)
      << GetParam().path << (isProgram ? " must be a program, not a library" : " must be a library (IMAGE_FILE_DLL)");
  EXPECT_EQ(h.subsystem, 2) << GetParam().path << " must be a Windows GUI binary (subsystem 2), not " << h.subsystem;
  // A required Windows version above 6.1 would keep the file from loading on Windows 7.
  EXPECT_LE(h.majorSubsystemVersion * 100 + h.minorSubsystemVersion, 601)
      << GetParam().path << " requires Windows " << h.majorSubsystemVersion << "." << h.minorSubsystemVersion;
  EXPECT_LE(h.majorOsVersion * 100 + h.minorOsVersion, 601)
      << GetParam().path << " requires Windows " << h.majorOsVersion << "." << h.minorOsVersion;
}

// Hosts and the installer look the entry up by its plain name; a 32-bit __stdcall export carries "@n" unless the
// build strips it.
class ShippedLibrary : public ShippedBinary {};

TEST_P(ShippedLibrary, ExportsItsEntryPointUndecorated) {
  const std::string entry = entryPointOf(GetParam().role);
  const auto& names = image_->exports();
  const bool exported = std::find(names.begin(), names.end(), entry) != names.end();
  EXPECT_TRUE(exported)
      << GetParam().path << " does not export \"" << entry << "\" under exactly that name; it exports "
      << ::testing::PrintToString(names);
}

TEST_P(ShippedBinary, ImportsWindowsSystemLibrariesOnly) {
  for (const std::string& library : image_->imports()) {
    EXPECT_TRUE(kSystemLibraries.count(lower(library)))
        << GetParam().path << " needs " << library << ", which is no system library of every Windows from 7 on";
  }
}

// The parsed version resource of the binary under test, or a failure that says why there is none.
class VersionedBinary : public ShippedBinary {
protected:
  void SetUp() override {
    ShippedBinary::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    const auto data = image_->resource(std::uint16_t{16}, std::uint16_t{1});
    ASSERT_TRUE(data) << GetParam().path << " has no version resource";
    std::string error;
    info_ = release::parseVersionInfo(*data, error);
    ASSERT_TRUE(info_) << GetParam().path << ": " << error;
  }
  void expectEveryKeyFilled() {
    for (const char* key : {"CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright",
                            "OriginalFilename", "ProductName", "ProductVersion"}) {
      const auto it = info_->strings.find(key);
      EXPECT_TRUE(it != info_->strings.end() && !it->second.empty()) << GetParam().path << " lacks " << key;
    }
  }
  std::optional<release::VersionInfo> info_;
};

class OwnVersionResource : public VersionedBinary {};

TEST_P(OwnVersionResource, IsFull) {
  expectEveryKeyFilled();
  EXPECT_EQ(lower(info_->strings["OriginalFilename"]), lower(path_.filename().string()))
      << GetParam().path << " ships under another name than its version resource gives";
  EXPECT_EQ(fourPartVersion(info_->strings["FileVersion"]), info_->fileVersionText())
      << "the FileVersion text and the fixed file version of " << GetParam().path << " differ";
  EXPECT_EQ(info_->fileType, GetParam().role == Role::Installer ? 1u : 2u)
      << GetParam().path << ": file type VFT_APP for the program, VFT_DLL for a library";
  EXPECT_EQ(info_->fileOS & 0xffffu, 4u) << GetParam().path << ": the file OS must name 32-bit Windows (VOS__WINDOWS32)";
  // Explorer finds the strings through the translation, so the two must agree.
  EXPECT_EQ(lower(info_->stringTable).substr(0, 4), "0409") << GetParam().path << ": the strings are not US English";
  char declared[9] = "";
  if (!info_->translations.empty()) {
    std::snprintf(declared, sizeof declared, "%04x%04x", info_->translations[0] & 0xffff, info_->translations[0] >> 16);
  }
  EXPECT_EQ(std::string(declared), lower(info_->stringTable))
      << GetParam().path << ": the translation does not name the string table";
}

// One resource script serves the six MarkwellCC-source files; each must still name itself, or Explorer and a
// support call see "MarkwellCC.aip" for a file that is MarkwellCS6.aip.
class MarkwellVersionBlock : public VersionedBinary {};

TEST_P(MarkwellVersionBlock, NamesTheFileItShipsAs) {
  expectEveryKeyFilled();
  EXPECT_EQ(info_->strings["OriginalFilename"], path_.filename().string()) << GetParam().path;
  EXPECT_EQ(info_->strings["InternalName"], path_.stem().string()) << GetParam().path;
  EXPECT_EQ(fourPartVersion(info_->strings["FileVersion"]), info_->fileVersionText()) << GetParam().path;
  EXPECT_EQ(info_->fileType, 2u) << GetParam().path << ": file type VFT_DLL";
}

// Illustrator looks at a plug-in's property list before loading it: the kind of plug-in, and the entry point
// for the host's own processor. The list starts with a reserved word (1), its version (0) and its count; each
// property is vendor, key, identifier, length and data padded to four bytes.
class IllustratorPlugin : public ShippedBinary {};

TEST_P(IllustratorPlugin, CarriesItsPropertyList) {
  const auto pipl = image_->resource(std::string("PIPL"), std::uint16_t{16000});
  ASSERT_TRUE(pipl) << GetParam().path << " has no resource PIPL 16000";
  const release::Bytes& d = *pipl;
  auto u32 = [&](std::size_t at) {
    return std::uint32_t{d[at]} | std::uint32_t{d[at + 1]} << 8 | std::uint32_t{d[at + 2]} << 16 |
           std::uint32_t{d[at + 3]} << 24;
  };
  // Four-character codes are stored as little-endian numbers, so their letters lie reversed.
  auto code = [&](std::size_t at) { return std::string{char(d[at + 3]), char(d[at + 2]), char(d[at + 1]), char(d[at])}; };
  ASSERT_GE(d.size(), 10u) << "the property list is too short for its header";
  EXPECT_EQ(d[0] | d[1] << 8, 1) << "reserved word";
  EXPECT_EQ(u32(2), 0u) << "property list version";
  std::map<std::string, std::size_t> dataAt;
  std::map<std::string, std::uint32_t> lengths;
  std::size_t at = 10;
  for (std::uint32_t i = 0, count = u32(6); i < count; ++i) {
    ASSERT_LE(at + 16, d.size()) << "property " << i << " runs past the end of the list";
    const std::uint32_t length = u32(at + 12);
    ASSERT_LE(at + 16 + length, d.size()) << "property " << code(at + 4) << " runs past the end of the list";
    dataAt[code(at + 4)] = at + 16;
    lengths[code(at + 4)] = length;
    at += 16 + ((length + 3) & ~std::size_t{3});
  }
  ASSERT_TRUE(dataAt.count("kind") && lengths["kind"] == 4) << GetParam().path << ": no property kind";
  EXPECT_EQ(code(dataAt["kind"]), "SPEA") << GetParam().path << " is not marked as an Illustrator plug-in";
  // Illustrator's own tools write the Windows entry as wx86 for both editions; Photoshop's write 8664 for x64.
  std::string entryKey = "wx86";
  if (GetParam().is64 && !dataAt.count(entryKey)) entryKey = "8664";
  ASSERT_TRUE(dataAt.count(entryKey)) << GetParam().path << " names no Windows entry point (wx86)";
  std::string entry(d.begin() + dataAt[entryKey], d.begin() + dataAt[entryKey] + lengths[entryKey]);
  entry = entry.substr(0, entry.find('\0'));
  EXPECT_EQ(entry, "PluginMain") << GetParam().path << " names the entry point " << entry;
}

INSTANTIATE_TEST_SUITE_P(Dist, ShippedBinary, ::testing::ValuesIn(kBinaries), caseName);
INSTANTIATE_TEST_SUITE_P(Dist, OwnVersionResource,
                         ::testing::ValuesIn(binariesWhere([](const Binary& b) { return b.version == Version::Ours; })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(Dist, MarkwellVersionBlock,
                         ::testing::ValuesIn(binariesWhere([](const Binary& b) {
                           return b.version == Version::MarkwellBlock;
                         })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(Dist, ShippedLibrary,
                         ::testing::ValuesIn(binariesWhere([](const Binary& b) { return b.role != Role::Installer; })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(Dist, IllustratorPlugin,
                         ::testing::ValuesIn(binariesWhere([](const Binary& b) { return b.role == Role::IllustratorPlugin; })),
                         caseName);

std::optional<PeImage> installer() {
  std::string error;
  return PeImage::load(distDir() / "Benchmate.exe", error);
}

// The caption and the About dialog show these strings, so they are part of what the user sees.
TEST(Installer, VersionResourceHoldsTheTextsTheWindowShows) {
  const auto image = installer();
  if (!image) GTEST_SKIP() << "Benchmate.exe is missing or unreadable (see the other checks)";
  const auto data = image->resource(std::uint16_t{16}, std::uint16_t{1});
  ASSERT_TRUE(data) << "Benchmate.exe has no version resource";
  std::string error;
  auto info = release::parseVersionInfo(*data, error);
  ASSERT_TRUE(info) << error;
  EXPECT_EQ(info->strings["ProductName"], "Orvan Cutbench");
  EXPECT_EQ(info->strings["FileDescription"], "Orvan Cutbench");
  EXPECT_EQ(info->strings["FileVersion"], "1.33.0.0");
  EXPECT_EQ(info->strings["ProductVersion"], "1.0.0.0");
  EXPECT_EQ(info->strings["InternalName"], "Benchmate.exe");
}

TEST(Installer, ManifestAsksForAdministratorRightsAndNamesWindows7To11) {
  const auto image = installer();
  if (!image) GTEST_SKIP() << "Benchmate.exe is missing or unreadable (see the other checks)";
  const auto data = image->resource(std::uint16_t{24}, std::uint16_t{1});
  ASSERT_TRUE(data) << "Benchmate.exe has no application manifest (RT_MANIFEST 1)";
  std::string manifest(data->begin(), data->end());
  manifest.erase(std::remove_if(manifest.begin(), manifest.end(), [](unsigned char c) { return std::isspace(c); }),
                 manifest.end());
  manifest = lower(manifest);
  const std::pair<const char*, const char*> required[] = {
      {"administrator rights", "level=\"requireadministrator\""},
      {"no UI access", "uiaccess=\"false\""},
      {"identity", "name=\"orvan.applications\""},
      {"visual styles", "name=\"microsoft.windows.common-controls\"version=\"6.0.0.0\""},
      {"Windows 7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},
      {"Windows 8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},
      {"Windows 8.1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
      {"Windows 10 and 11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},
      {"per-monitor DPI awareness (Windows 10)", ">permonitorv2"},
      {"per-monitor DPI awareness (Windows 8.1)", ">true/pm<"},
  };
  for (const auto& [what, text] : required) {
    EXPECT_NE(manifest.find(text), std::string::npos) << "the manifest lacks " << what << " (" << text << ")";
  }
}

TEST(ProgramFolder, AllBinariesNameTheSameMaker) {
  std::map<std::string, std::string> companies;
  for (const Binary& b : kBinaries) {
    if (b.version != Version::Ours) continue;
    std::string error;
    const auto image = PeImage::load(distDir() / b.path, error);
    const auto data = image ? image->resource(std::uint16_t{16}, std::uint16_t{1}) : std::nullopt;
    const auto info = data ? release::parseVersionInfo(*data, error) : std::nullopt;
    if (info) companies[b.path] = info->strings.count("CompanyName") ? info->strings.at("CompanyName") : "";
  }
  if (companies.empty()) GTEST_SKIP() << "no binary with a version resource yet";
  for (const auto& [path, company] : companies) {
    EXPECT_EQ(company, companies.begin()->second) << path << " and " << companies.begin()->first;
  }
}

TEST(ProgramFolder, DataFilesAreWhatTheHostsRead) {
  for (const char* file : kSwatchFiles) {
    const auto data = readFile(distDir() / file);
    if (data.empty()) continue;  // reported as missing by HoldsEveryShippedFileAndNothingElse
    const release::Bytes head{'A', 'S', 'E', 'F', 0, 1, 0, 0};
    EXPECT_TRUE(data.size() > 12 && std::equal(head.begin(), head.end(), data.begin()))
        << file << " is no Adobe Swatch Exchange file of version 1.0";
  }
  for (const char* file : kToolbarIcons) {
    const auto data = readFile(distDir() / file);
    if (data.empty()) continue;
    ASSERT_GE(data.size(), 6u) << file;
    EXPECT_TRUE(data[0] == 0 && data[1] == 0 && data[2] == 1 && data[3] == 0) << file << " is no icon file";
    bool has16 = false;
    for (std::size_t i = 0, count = data[4] | data[5] << 8; i < count && 6 + i * 16 + 16 <= data.size(); ++i)
      has16 = has16 || (data[6 + i * 16] == 16 && data[7 + i * 16] == 16);
    EXPECT_TRUE(has16) << file << " has no 16 x 16 image for the toolbar";
  }
}

}  // namespace
