// Benchmate.exe as a person sees and uses it: started on a laid-out workstation, its windows found and
// read through Win32 from this process, its buttons pressed, its report and copied files checked.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <set>

#include "benchmate_driver.h"
#include "version_info_class.h"
#include "wine_paths.h"
#include "workstation.h"

namespace ws = orvan::workstation;
using namespace benchmate_driver;

namespace {

const std::string kBin = orvan::test::envPath("ORVAN_BUILD_DIR") + "\\bin\\";

ws::Illustrator Ai(const std::string& version) {
  ws::Illustrator ai;
  ai.version = version;
  ai.exe = ws::ExeKind::Missing;  // detection reads only the class keys
  return ai;
}

ws::Corel Draw(const std::string& version) {
  ws::Corel draw;
  draw.version = version;
  return draw;
}

std::string Content(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int Scaled(int pixels) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(pixels, dpi, 96);
}

// A workstation with Benchmate.exe (and, unless told otherwise, VersionInfo.dll) in its program folder.
class BenchmateTest : public ::testing::Test {
protected:
  HWND Start(ws::Description description, bool withVersionInfo = true) {
    station_ = std::make_unique<ws::Workstation>(std::move(description));
    exe_ = station_->programFolder() + "Benchmate.exe";
    EXPECT_TRUE(CopyFileA((kBin + "Benchmate.exe").c_str(), exe_.c_str(), FALSE));
    if (withVersionInfo) {
      std::string library = station_->programFolder() + "VersionInfo.dll";
      EXPECT_TRUE(CopyFileA((kBin + "VersionInfo.dll").c_str(), library.c_str(), FALSE));
    }
    app_ = std::make_unique<Benchmate>(exe_);
    form_ = app_->Form();
    EXPECT_NE(form_, nullptr) << "no main window";
    return form_;
  }
  void TearDown() override {
    app_.reset();
    station_.reset();
  }

  std::unique_ptr<ws::Workstation> station_;
  std::unique_ptr<Benchmate> app_;
  std::string exe_;
  HWND form_ = nullptr;
};

// ---- Detection: which boxes start ticked and enabled ----

struct DetectionCase {
  const char* name;
  std::vector<ws::Illustrator> illustrators;
  std::vector<ws::Corel> corels;
  std::set<std::string> ticked;  // every other box is unticked and disabled
};

class Detection : public BenchmateTest, public ::testing::WithParamInterface<DetectionCase> {};

TEST_P(Detection, BoxesOfPresentVersionsAreTickedAndEnabledAndAllOthersNeither) {
  const DetectionCase& c = GetParam();
  ws::Description d;
  d.illustrators = c.illustrators;
  d.corels = c.corels;
  ASSERT_NE(Start(d), nullptr);
  auto boxes = CheckBoxes(form_);
  EXPECT_EQ(boxes.size(), 20u + 17u);
  for (const auto& [path, state] : boxes) {
    bool present = c.ticked.count(path) > 0;
    EXPECT_EQ(state, (BoxState{present, present})) << path;
  }
  for (const auto& path : c.ticked) EXPECT_TRUE(boxes.count(path)) << "no box " << path;
}

INSTANTIATE_TEST_SUITE_P(
    Workstations, Detection,
    ::testing::Values(
        DetectionCase{"NoHosts", {}, {}, {}},
        DetectionCase{"OnlyCorelDraw2022",
                      {},
                      {Draw("24")},
                      {"Cutrix Plug-in/CorelDRAW/CorelDRAW 2022", "Palette/CorelDRAW/CorelDRAW 2022"}},
        DetectionCase{"IllustratorCS51ButNotCS5",
                      {Ai("15.1")},
                      {},
                      {"Cutrix Plug-in/Adobe Illustrator/Adobe Illustrator CS5.1",
                       "Palette/Adobe Illustrator/Adobe Illustrator CS5.1"}},
        DetectionCase{"IllustratorCC17And22",
                      {Ai("22"), Ai("17")},
                      {},
                      {"Cutrix Plug-in/Adobe Illustrator/Adobe Illustrator CC",
                       "Palette/Adobe Illustrator/Adobe Illustrator CC"}},
        DetectionCase{"CorelX3HasNoPaletteBox", {}, {Draw("13")}, {"Cutrix Plug-in/CorelDRAW/CorelDRAW X3"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ScriboCase {
  const char* name;
  bool scribo;
  const char* caption;
};

class Scribo : public BenchmateTest, public ::testing::WithParamInterface<ScriboCase> {};

TEST_P(Scribo, TheHiddenInformationGroupTellsWhetherScriboIsThereAndTheInstallPageIsShown) {
  ws::Description d;
  d.scribo = GetParam().scribo;
  ASSERT_NE(Start(d), nullptr);
  EXPECT_EQ(ShownPage(form_), "Install");
  HWND info = Find(form_, {"Install", "Information "});
  ASSERT_NE(info, nullptr);
  EXPECT_FALSE(IsWindowVisible(info));
  EXPECT_EQ(Text(Child(info, "", "Static")), GetParam().caption);
  HWND vba = Find(form_, {"Install", "Visual Basic for Applications is installed with your CorelDRAW!"});
  ASSERT_NE(vba, nullptr);
  EXPECT_FALSE(IsWindowEnabled(vba));
}

INSTANTIATE_TEST_SUITE_P(Workstations, Scribo,
                         ::testing::Values(ScriboCase{"Absent", false, "Scribo is NOT installed!"},
                                           ScriboCase{"Present", true, "Scribo is installed."}),
                         [](const auto& info) { return std::string(info.param.name); });

// The boxes of a group stand in two columns, rows 24 pixels apart from 32, all inside their group.
TEST_F(BenchmateTest, BoxesStandInTwoColumnsOfEvenRowsInsideTheirGroup) {
  ASSERT_NE(Start({}), nullptr);
  for (const char* pageCaption : {"Cutrix Plug-in", "Palette"}) {
    HWND page = Page(form_, pageCaption);
    ASSERT_NE(page, nullptr);
    for (HWND group = GetWindow(page, GW_CHILD); group; group = GetWindow(group, GW_HWNDNEXT)) {
      RECT frame{};
      GetClientRect(group, &frame);
      std::map<LONG, std::vector<LONG>> columns;  // left -> tops
      for (HWND box = GetWindow(group, GW_CHILD); box; box = GetWindow(box, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(box, &r);
        MapWindowPoints(HWND_DESKTOP, group, reinterpret_cast<POINT*>(&r), 2);
        std::string where = std::string(pageCaption) + "/" + Text(group) + "/" + Text(box);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= frame.right && r.bottom <= frame.bottom) << where;
        columns[r.left].push_back(r.top);
      }
      EXPECT_EQ(columns.size(), 2u) << Text(group);
      for (auto& [left, tops] : columns) {
        std::sort(tops.begin(), tops.end());
        for (size_t row = 0; row < tops.size(); ++row)
          EXPECT_EQ(tops[row], Scaled(32 + 24 * static_cast<int>(row))) << Text(group) << " column " << left;
      }
    }
  }
}

// ---- Caption ----

struct CaptionCase {
  const char* name;
  bool withVersionInfo;
  const char* caption;
};

class Caption : public BenchmateTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(Caption, CarriesTheFileVersionOnlyWhenVersionInfoIsThere) {
  ASSERT_NE(Start({}, GetParam().withVersionInfo), nullptr);
  EXPECT_EQ(Text(form_), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Library, Caption,
                         ::testing::Values(CaptionCase{"WithVersionInfo", true, "Orvan Cutbench 1.33.0.0"},
                                           CaptionCase{"WithoutVersionInfo", false, "Orvan Cutbench"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Buttons ----

struct DetailCase {
  const char* name;
  const char* group;
  const char* page;
};

class Details : public BenchmateTest, public ::testing::WithParamInterface<DetailCase> {};

TEST_P(Details, ShowsThePageOfItsGroup) {
  ASSERT_NE(Start({}), nullptr);
  ASSERT_TRUE(Press(Find(form_, {"Install", GetParam().group, "Details..."})));
  EXPECT_EQ(ShownPage(form_), GetParam().page);
}

INSTANTIATE_TEST_SUITE_P(Groups, Details,
                         ::testing::Values(DetailCase{"PlugIn", "Cutrix Plug-in", "Cutrix Plug-in"},
                                           DetailCase{"Palette", "Palette", "Palette"}),
                         [](const auto& info) { return std::string(info.param.name); });

const std::string kPluginSection =
    "Installing Cutrix Plug-in for CorelDRAW...\r\n\t\tCorelDRAW 24(64bit) -> OK\r\n\tCorelDRAW 24 -> OK\r\n";
const std::string kPaletteSection =
    "Installing Palette for CorelDRAW...\r\n\t\tCorelDRAW 24(64bit) -> OK\r\n\tCorelDRAW 24 -> OK\r\n";

struct InstallCase {
  const char* name;
  std::vector<std::string> button;  // captions from the page down
  std::string report;
};

class InstallButtons : public BenchmateTest, public ::testing::WithParamInterface<InstallCase> {};

TEST_P(InstallButtons, ShowTheReportOfTheirSectionsAndCopyThePlugIn) {
  const InstallCase& c = GetParam();
  ws::Description d;
  d.corels = {Draw("24")};
  ASSERT_NE(Start(d), nullptr);
  HWND button = c.button.size() == 1 ? Child(form_, c.button[0], "Button") : Find(form_, c.button);
  ASSERT_TRUE(Press(button));
  EXPECT_EQ(ShownPage(form_), "Installation Report");
  EXPECT_EQ(ReportText(form_), c.report);

  std::string target = station_->corels().at(0).root + "\\Draw\\Plugins64\\";
  int checked = 0;
  for (const std::string& file : ws::standardProgramFiles()) {
    std::string name = file.substr(file.find_last_of('\\') + 1);
    bool plugin = file.rfind("Corel\\plugin\\x64\\", 0) == 0 && name.ends_with(".cpg");
    bool icon = file == "Corel\\plugin\\" + name && name.ends_with(".ico");
    if (!plugin && !icon) continue;
    EXPECT_EQ(Content(target + name), ws::dummyContent(file)) << target + name;
    ++checked;
  }
  EXPECT_GT(checked, 1);
}

// Pressing a button twice starts the second report from an empty memo: checked by FullTwice.
INSTANTIATE_TEST_SUITE_P(
    Buttons, InstallButtons,
    ::testing::Values(InstallCase{"PlugInGroup", {"Install", "Cutrix Plug-in", "Install"}, kPluginSection},
                      InstallCase{"PaletteGroup", {"Install", "Palette", "Install"}, kPaletteSection},
                      InstallCase{"FullInstallation", {"&Full Installation"}, kPluginSection + "\r\n" + kPaletteSection}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BenchmateTest, ASecondRunStartsFromAnEmptyReportAndAnUntickedBoxIsLeftOut) {
  ws::Description d;
  d.corels = {Draw("24")};
  ASSERT_NE(Start(d), nullptr);
  HWND full = Child(form_, "&Full Installation", "Button");
  ASSERT_TRUE(Press(full));
  ASSERT_TRUE(Press(Find(form_, {"Cutrix Plug-in", "CorelDRAW", "CorelDRAW 2022"})));  // the user unticks it
  ASSERT_TRUE(Press(full));
  EXPECT_EQ(ReportText(form_), kPaletteSection);
}

TEST_F(BenchmateTest, WithNoHostTheInstallButtonLeavesAnEmptyReport) {
  ASSERT_NE(Start({}), nullptr);
  ASSERT_TRUE(Press(Find(form_, {"Install", "Cutrix Plug-in", "Install"})));
  EXPECT_EQ(ShownPage(form_), "Installation Report");
  EXPECT_EQ(ReportText(form_), "");
}

// ---- About dialog ----

struct AboutCase {
  const char* name;
  bool withVersionInfo;
  const char* caption;
  std::vector<std::string> labels;  // top to bottom: description, version, copyright
};

class AboutDialog : public BenchmateTest, public ::testing::WithParamInterface<AboutCase> {
protected:
  // The texts of the dialog's labels, top to bottom (the logo is a picture, not a label).
  static std::vector<std::string> Labels(HWND dialog) {
    std::vector<std::pair<LONG, std::string>> found;
    HWND panel = Child(dialog, "", "TImagePanel");
    for (HWND child = panel ? GetWindow(panel, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
      char name[32] = {};
      GetClassNameA(child, name, sizeof name);
      if (lstrcmpiA(name, "Static") != 0 || (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_OWNERDRAW) continue;
      RECT r{};
      GetWindowRect(child, &r);
      found.emplace_back(r.top, Text(child));
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> texts;
    for (auto& [top, text] : found) texts.push_back(text);
    return texts;
  }
};

TEST_P(AboutDialog, SystemMenuCommand16OpensItModallyAndEscClosesIt) {
  const AboutCase& c = GetParam();
  ASSERT_NE(Start({}, c.withVersionInfo), nullptr);
  PostMessageA(form_, WM_SYSCOMMAND, 16, 0);
  HWND about = app_->WaitForWindow("TAboutDlg");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(Text(about), c.caption);
  EXPECT_EQ(Labels(about), c.labels);
  EXPECT_FALSE(IsWindowEnabled(form_)) << "the main window waits while the dialog is shown";
  EXPECT_EQ(GetWindow(about, GW_OWNER), form_);

  HWND ok = Child(Child(about, "", "TImagePanel"), "OK", "Button");
  ASSERT_NE(ok, nullptr);
  PostMessageA(ok, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageA(ok, WM_KEYUP, VK_ESCAPE, 0);
  for (int i = 0; i < 200 && IsWindow(about); ++i) Sleep(50);
  EXPECT_FALSE(IsWindow(about));
  EXPECT_TRUE(IsWindowEnabled(form_));
}

INSTANTIATE_TEST_SUITE_P(
    Library, AboutDialog,
    ::testing::Values(AboutCase{"WithVersionInfo", true, "About Orvan Cutbench",
                                {"Orvan Cutbench", "Version: 1.33.0.0",
                                 "Copyright (C) 2026 Orvan Cutting Systems. All rights reserved."}},
                      AboutCase{"WithoutVersionInfo", false, "About Benchmate.exe", {"Benchmate.exe", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The program file: version resource and manifest ----

struct ResourceCase {
  const char* key;
  const char* value;
};

class VersionResource : public ::testing::TestWithParam<ResourceCase> {};

TEST_P(VersionResource, HoldsTheProductsStrings) {
  HMODULE library = LoadLibraryA((kBin + "VersionInfo.dll").c_str());
  ASSERT_NE(library, nullptr);
  auto create = reinterpret_cast<CreateVersionInfoClassInstanceFn>(
      reinterpret_cast<void*>(GetProcAddress(library, kCreateVersionInfoExport)));
  ASSERT_NE(create, nullptr);
  VersionInfoClass* info = create();
  std::string value = info->GetValue((kBin + "Benchmate.exe").c_str(), GetParam().key);
  delete info;
  FreeLibrary(library);
  EXPECT_EQ(value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Benchmate, VersionResource,
                         ::testing::Values(ResourceCase{"ProductName", "Orvan Cutbench"},
                                           ResourceCase{"FileDescription", "Orvan Cutbench"},
                                           ResourceCase{"FileVersion", "1.33.0.0"},
                                           ResourceCase{"ProductVersion", "1.0.0.0"},
                                           ResourceCase{"InternalName", "Benchmate.exe"}),
                         [](const auto& info) { return std::string(info.param.key); });

TEST(Manifest, AsksForAdministratorRightsVisualStylesAndNamesTheProgram) {
  HMODULE exe = LoadLibraryExA((kBin + "Benchmate.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HRSRC found = FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  std::string manifest(static_cast<const char*>(LockResource(LoadResource(exe, found))), SizeofResource(exe, found));
  FreeLibrary(exe);
  EXPECT_NE(manifest.find(R"(level="requireAdministrator" uiAccess="false")"), std::string::npos);
  EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"), std::string::npos);
  EXPECT_NE(manifest.find(R"(name="Orvan.Applications" version="1.0.0.0" processorArchitecture="x86")"),
            std::string::npos);
}

// ---- Placement, one instance, size limits ----

TEST_F(BenchmateTest, StartsInTheMiddleOfTheDesktop) {
  ASSERT_NE(Start({}), nullptr);
  RECT window{}, desktop{};
  GetWindowRect(form_, &window);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0);
  EXPECT_NEAR((window.left + window.right) / 2, (desktop.left + desktop.right) / 2, 1);
  EXPECT_NEAR((window.top + window.bottom) / 2, (desktop.top + desktop.bottom) / 2, 1);
}

TEST_F(BenchmateTest, ASecondStartRestoresAndRaisesTheFirstAndEndsShowingNothing) {
  ASSERT_NE(Start({}), nullptr);
  ShowWindow(form_, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(form_));
  Benchmate second(exe_);
  EXPECT_EQ(second.WaitForExit(30000), 0u);
  EXPECT_EQ(second.WaitForWindow("TPluginForm", 0), nullptr);
  EXPECT_FALSE(IsIconic(form_));
  EXPECT_EQ(GetForegroundWindow(), form_);
}

struct SizeCase {
  const char* name;
  int askWidth, askHeight;
  int width, height;  // outer size at 96 dots per inch
};

class Resizing : public BenchmateTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(Resizing, StaysWithinTheLimitsAndKeepsNotebookAndButtonAnchored) {
  const SizeCase& c = GetParam();
  ASSERT_NE(Start({}), nullptr);
  SetWindowPos(form_, nullptr, 0, 0, Scaled(c.askWidth), Scaled(c.askHeight), SWP_NOMOVE | SWP_NOZORDER);
  RECT outer{};
  GetWindowRect(form_, &outer);
  EXPECT_EQ(outer.right - outer.left, Scaled(c.width));
  EXPECT_EQ(outer.bottom - outer.top, Scaled(c.height));

  RECT client{};
  GetClientRect(form_, &client);
  auto inForm = [&](HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, form_, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  RECT notebook = inForm(Child(form_, "", "SysTabControl32"));
  RECT button = inForm(Child(form_, "&Full Installation", "Button"));
  int border = Scaled(8);
  EXPECT_EQ(notebook.left, border);
  EXPECT_EQ(notebook.right, client.right - border);
  EXPECT_EQ(button.right, client.right - border);
  EXPECT_EQ(button.bottom, client.bottom - border);
  EXPECT_EQ(button.right - button.left, Scaled(397));
  EXPECT_LT(notebook.bottom, button.top);
}

INSTANTIATE_TEST_SUITE_P(Limits, Resizing,
                         ::testing::Values(SizeCase{"TooSmall", 200, 200, 424, 567},
                                           SizeCase{"Between", 480, 640, 480, 640},
                                           SizeCase{"TooLarge", 900, 1000, 530, 709}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
