// The workstation builder lays out what installer tests rely on (views, real program types, markers)
// and leaves nothing behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "registry_sandbox.h"
#include "wine_paths.h"
#include "workstation.h"

namespace ws = orvan::workstation;
using orvan::test::RegistrySandbox;
using orvan::test::RegView;

namespace {

std::string readValue(const std::string& path, const std::string& name, RegView view) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | orvan::test::viewFlag(view), &key) !=
      ERROR_SUCCESS)
    return "<no key>";
  char buffer[1024] = {};
  DWORD size = sizeof buffer - 1, type = 0;
  LONG rc = RegQueryValueExA(key, name.empty() ? nullptr : name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS ? std::string(buffer) : "<no value>";
}

DWORD binaryType(const std::string& exe) {
  DWORD type = 99;
  return GetBinaryTypeA(exe.c_str(), &type) ? type : 99;
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

const char kCs6[] = "SOFTWARE\\Classes\\Adobe.Illustrator.16";
const char kDraw2022[] = "SOFTWARE\\Corel\\CorelDRAW\\24.0";
const char kDraw2018[] = "SOFTWARE\\Corel\\CorelDRAW\\20.0";

ws::Description sample() {
  ws::Description d;
  d.scribo = true;
  ws::Illustrator cs6;
  cs6.version = "16";
  cs6.bits = ws::Bits::B64;
  cs6.twin = true;
  d.illustrators.push_back(cs6);
  ws::Corel draw64, draw32;
  draw64.version = "24";
  draw32.version = "20";
  draw32.bits = ws::Bits::B32;
  draw32.pluginFolder = false;
  d.corels = {draw64, draw32};
  return d;
}

}  // namespace

TEST(Workstation, LaysIllustratorWithTwinAndRealProgramTypes) {
  ws::Workstation station(sample());
  const auto& ai = station.illustrators().at(0);
  EXPECT_EQ(ai.root, station.path("Program Files\\Adobe\\Adobe Illustrator CS6 (64 Bit)"));
  EXPECT_EQ(ai.twinRoot, station.path("Program Files (x86)\\Adobe\\Adobe Illustrator CS6"));
  EXPECT_EQ(binaryType(ai.exe), static_cast<DWORD>(SCS_64BIT_BINARY));
  EXPECT_EQ(binaryType(ai.twinRoot + "\\Support Files\\Contents\\Windows\\Illustrator.exe"),
            static_cast<DWORD>(SCS_32BIT_BINARY));
  for (const std::string& root : {ai.root, ai.twinRoot}) {
    EXPECT_TRUE(exists(root + "\\Plug-ins\\Illustrator Filters\\3D.aip")) << root;
    EXPECT_TRUE(exists(root + "\\Presets\\en_US\\Swatches\\Web\\VisiBone2.ai")) << root;
  }
  // The installer, a 32-bit program, reads the class keys in its own view; Windows shares them.
  for (RegView view : {RegView::Bits32, RegView::Bits64}) {
    EXPECT_EQ(readValue(std::string(kCs6) + "\\shell\\Open\\command", "", view), "\"" + ai.exe + "\" \"%1\"");
    EXPECT_TRUE(RegistrySandbox::exists(HKEY_LOCAL_MACHINE, std::string(kCs6) + "\\protocol\\StdFileEditing\\server",
                                        view));
  }
}

TEST(Workstation, LaysCorelInItsOwnViewOnly) {
  ws::Workstation station(sample());
  const auto& draw64 = station.corels().at(0);
  const auto& draw32 = station.corels().at(1);
  EXPECT_EQ(draw64.root, station.path("Program Files\\Corel\\CorelDRAW Graphics Suite 2022"));
  EXPECT_EQ(readValue(kDraw2022, "ConfigDir", RegView::Bits64), draw64.root + "\\Draw");
  EXPECT_EQ(readValue(std::string(kDraw2022) + "\\Setup", "Installed", RegView::Bits64), "Yes");
  EXPECT_FALSE(RegistrySandbox::exists(HKEY_LOCAL_MACHINE, kDraw2022, RegView::Bits32));
  EXPECT_EQ(readValue(kDraw2018, "ConfigDir", RegView::Bits32), draw32.root + "\\Draw");
  EXPECT_FALSE(RegistrySandbox::exists(HKEY_LOCAL_MACHINE, kDraw2018, RegView::Bits64));
  EXPECT_TRUE(exists(draw64.root + "\\Draw\\Plugins64"));
  EXPECT_FALSE(exists(draw32.root + "\\Draw\\Plugins"));
  EXPECT_EQ(binaryType(draw64.root + "\\Programs64\\CorelDRW.exe"), static_cast<DWORD>(SCS_64BIT_BINARY));
  EXPECT_EQ(binaryType(draw32.root + "\\Programs\\CorelDRW.exe"), static_cast<DWORD>(SCS_32BIT_BINARY));
  EXPECT_EQ(readValue("SOFTWARE\\Vetra\\OrvanScribo\\Application-Settings", "Version", RegView::Bits32), "3.2");
}

TEST(Workstation, ProgramFolderHoldsRecognisableDummiesExceptOmitted) {
  ws::Description d;
  d.program.omit = {"Adobe\\x64"};
  ws::Workstation station(d);
  std::ifstream in(station.programFolder() + "Corel\\plugin\\Win32\\Tablebar.cpg");
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content, ws::dummyContent("Corel\\plugin\\Win32\\Tablebar.cpg"));
  EXPECT_TRUE(exists(station.programFolder() + "Adobe\\MarkwellCC.aip"));
  EXPECT_FALSE(exists(station.programFolder() + "Adobe\\x64"));
}

TEST(Workstation, RemovesEverythingItMade) {
  std::string root;
  {
    ws::Workstation station(sample());
    root = station.root();
  }
  EXPECT_FALSE(exists(root));
  for (RegView view : {RegView::Bits32, RegView::Bits64}) {
    EXPECT_FALSE(RegistrySandbox::exists(HKEY_LOCAL_MACHINE, kCs6, view));
    EXPECT_FALSE(RegistrySandbox::exists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Corel", view));
    EXPECT_FALSE(RegistrySandbox::exists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vetra", view));
  }
}

TEST(Workstation, JsonFormDescribesTheSameWorkstation) {
  ws::Description d = ws::parseDescription(R"({
    "root": "C:\\orvan-tests\\json-form", "scribo": true,  // comments are allowed
    "illustrator": [{"version": "15.1", "bits": 32, "exe": "not-a-program", "pluginFolder": ""}],
    "corel": [{"version": 16, "bits": 32, "designer": true, "configDir": false}],
    "programFolder": {"omit": ["Corel"]}})");
  ASSERT_EQ(d.illustrators.size(), 1u);
  EXPECT_EQ(d.illustrators[0].version, "15.1");
  EXPECT_EQ(d.illustrators[0].bits, ws::Bits::B32);
  EXPECT_EQ(d.illustrators[0].exe, ws::ExeKind::NotAProgram);
  EXPECT_EQ(d.illustrators[0].pluginFolder, "");
  ASSERT_EQ(d.corels.size(), 1u);
  EXPECT_EQ(d.corels[0].version, "16");
  EXPECT_TRUE(d.corels[0].designer);
  EXPECT_FALSE(d.corels[0].configDir);
  EXPECT_EQ(d.program.omit, std::vector<std::string>{"Corel"});
  EXPECT_THROW(ws::parseDescription(R"({"corel": [{"bits": 64}]})"), std::runtime_error);
  EXPECT_THROW(ws::parseDescription(R"({"illustrator": [{"version": "16", "bits": 48}]})"), std::runtime_error);
}

TEST(Workstation, CommandLineLaysAndRemovesByDescription) {
  std::string root = "C:\\orvan-tests\\cli-" + std::to_string(GetCurrentProcessId());
  std::string json = "C:\\orvan-tests\\cli-" + std::to_string(GetCurrentProcessId()) + ".json";
  {
    std::ofstream out(json);
    out << R"({"root": "C:\\orvan-tests\\cli-)" << GetCurrentProcessId()
        << R"(", "corel": [{"version": "24"}], "illustrator": [{"version": "23", "twin": true}]})";
  }
  auto run = [](const std::string& args) {
    std::string command = "\"" + orvan::test::programFolder() + "\\workstation.exe\" " + args;
    STARTUPINFOA si{sizeof si};
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si,
                        &pi))
      return DWORD(-1);
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
  };
  ASSERT_EQ(run("--lay \"" + json + "\""), 0u);
  EXPECT_TRUE(exists(root + "\\Program Files\\Corel\\CorelDRAW Graphics Suite 2022\\Draw"));
  EXPECT_TRUE(exists(root + "\\Program Files (x86)\\Adobe\\Adobe Illustrator CC 2019\\Plug-ins"));
  EXPECT_TRUE(RegistrySandbox::exists(HKEY_LOCAL_MACHINE, kDraw2022, RegView::Bits64));
  ASSERT_EQ(run("--remove \"" + json + "\""), 0u);
  EXPECT_FALSE(exists(root));
  EXPECT_FALSE(RegistrySandbox::exists(HKEY_LOCAL_MACHINE, kDraw2022, RegView::Bits64));
  DeleteFileA(json.c_str());
}
