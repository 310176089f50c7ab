// The installation run behind the buttons, without a window: which sections run for which button, in which
// order, on a workstation with hosts, and the pages it shows.
#include <gtest/gtest.h>

#include <set>

#include "host_detection.h"
#include "installation_pass.h"
#include "installation_scenario.h"

using namespace installation_test;
using ws::Bits;

namespace {

class FakeForm : public InstallerForm {
public:
  explicit FakeForm(std::set<std::string> ticked) : ticked_(std::move(ticked)) {}
  bool IsTicked(const std::string& boxName) const override { return ticked_.count(boxName) > 0; }
  void ShowPage(const std::string& caption) override { pages.push_back(caption); }
  ReportMemo& Report() override { return memo; }

  TextMemo memo;
  std::vector<std::string> pages;

private:
  std::set<std::string> ticked_;
};

// CC 2019 64-bit with its twin, CS5.1 32-bit, CorelDRAW X6 32-bit and 2022 64-bit.
ws::Description SampleWorkstation() {
  ws::Description d;
  d.illustrators = {Ai("23", Bits::B64, true), Ai("15.1", Bits::B32)};
  d.corels = {Draw("16", Bits::B32), Draw("24", Bits::B64)};
  return d;
}

const std::set<std::string> kSampleBoxes = {
    "cbCxAdobeCS5_1", "cbCxAdobeCC", "cbCxCorel16", "cbCxCorel2022",
    "cbPalAdobeCS5_1", "cbPalAdobeCC", "cbPalCorel16", "cbPalCorel2022"};

const char kHeaderA[] = "Installing Cutrix Plug-in for Adobe Illustrator...";
const char kHeaderB[] = "Installing Cutrix Plug-in for CorelDRAW...";
const char kHeaderC[] = "Installing Palette for Adobe Illustrator...";
const char kHeaderD[] = "Installing Palette for CorelDRAW...";

struct PassCase {
  const char* name;
  const char* sender;
  std::set<std::string> ticked;
  std::vector<std::string> report;
};

class Pass : public testing::TestWithParam<PassCase> {};

TEST_P(Pass, WritesTheTickedSectionsInOrder) {
  const PassCase& c = GetParam();
  Station station(SampleWorkstation());
  ASSERT_TRUE(DetectIllustratorCC());
  FakeForm form(c.ticked);
  bntFullInstallClick(form, c.sender);
  EXPECT_EQ(form.memo.Text(), Report(c.report, *station));
  EXPECT_EQ(form.pages, std::vector<std::string>{"Installation Report"});
}

INSTANTIATE_TEST_SUITE_P(Sections, Pass, testing::Values(
    PassCase{"illustrator_plugins_alone", "btnInstallCx", {"cbCxAdobeCS5_1", "cbCxAdobeCC"},
             {kHeaderA, "\tAdobe Illustrator 15.1 -> OK", "\tAdobe Illustrator 23 -> OK", ""}},
    PassCase{"corel_plugin_alone", "btnInstallCx", {"cbCxCorel2022"},
             {kHeaderB, "\t\tCorelDRAW 24(64bit) -> OK", "\tCorelDRAW 24 -> OK", ""}},
    PassCase{"illustrator_palettes_alone", "btnInstallPal", {"cbPalAdobeCC", "cbCxAdobeCC"},
             {kHeaderC, "\tAdobe Illustrator 23 -> OK", "\tAdobe Illustrator 23 -> OK", ""}},
    PassCase{"corel_palette_alone", "btnInstallPal", {"cbPalCorel16", "cbCxCorel16"},
             {kHeaderD, "\t\tCorelDRAW 16(32bit) -> OK", "\tCorelDRAW 16 -> OK", ""}},
    PassCase{"plugin_button_ignores_palette_boxes", "btnInstallCx", {"cbPalAdobeCC", "cbPalCorel2022"}, {}},
    PassCase{"nothing_ticked", "bntFullInstall", {}, {}},
    PassCase{"unknown_sender_installs_nothing", "btnInstallcx", kSampleBoxes, {}},
    PassCase{"host_missing_for_a_ticked_box", "btnInstallCx", {"cbCxAdobeCS4", "cbCxCorel2018"},
             {kHeaderA, "\tAdobe Illustrator 14 -> FAILED", "\tERROR: Could not find/acces root", "",
              kHeaderB, "\tCorelDRAW 20 -> FAILED", "\tERROR: Could not find/acces root", ""}},
    PassCase{"full_installation", "bntFullInstall", kSampleBoxes,
             {kHeaderA, "\tAdobe Illustrator 15.1 -> OK", "\tAdobe Illustrator 23 -> OK", "",
              kHeaderB, "\t\tCorelDRAW 16(32bit) -> OK", "\tCorelDRAW 16 -> OK",
              "\t\tCorelDRAW 24(64bit) -> OK", "\tCorelDRAW 24 -> OK", "",
              kHeaderC, "\tAdobe Illustrator 15.1 -> OK", "\tAdobe Illustrator 15.1 -> OK",
              "\tAdobe Illustrator 23 -> OK", "\tAdobe Illustrator 23 -> OK", "",
              kHeaderD, "\t\tCorelDRAW 16(32bit) -> OK", "\tCorelDRAW 16 -> OK",
              "\t\tCorelDRAW 24(64bit) -> OK", "\tCorelDRAW 24 -> OK", ""}}),
    [](const testing::TestParamInfo<PassCase>& info) { return std::string(info.param.name); });

TEST(PassOnEmptyMachine, EveryBoxCallsItsRoutineInTableOrder) {
  Station station(ws::Description{});
  IllustratorCCVersions = {};
  std::set<std::string> all = {"cbCxAdobeCC", "cbPalAdobeCC"};
  for (const char* v : {"", "2", "3", "4", "5", "5_1", "6"}) {
    all.insert(std::string("cbCxAdobeCS") + v);
    all.insert(std::string("cbPalAdobeCS") + v);  // "cbPalAdobeCS" names no box on the palette page
  }
  for (const char* v : {"13", "14", "15", "16", "17", "18", "2017", "2018", "2019", "2020", "2021", "2022"}) {
    all.insert(std::string("cbCxCorel") + v);
    all.insert(std::string("cbPalCorel") + v);
  }
  FakeForm form(all);
  bntFullInstallClick(form, "bntFullInstall");

  auto noRoot = [](const std::string& name) {
    return std::vector<std::string>{"\tAdobe Illustrator " + name + " -> FAILED", "\tERROR: Could not find/acces root"};
  };
  std::vector<std::string> expected = {kHeaderA};
  for (const char* name : {"11", "12", "13", "14", "15", "15.1", "16"})
    for (const auto& line : noRoot(name)) expected.push_back(line);
  expected.push_back("");
  expected.push_back(kHeaderB);
  for (int v = 13; v <= 24; ++v) {
    expected.push_back("\tCorelDRAW " + std::to_string(v) + " -> FAILED");
    expected.push_back("\tERROR: Could not find/acces root");
  }
  expected.push_back("");
  expected.push_back(kHeaderC);
  for (const char* name : {"12", "13", "14", "15", "15.1", "16"})
    for (int file = 0; file < 2; ++file)
      for (const auto& line : noRoot(name)) expected.push_back(line);
  expected.push_back("");
  expected.push_back(kHeaderD);
  for (int v = 15; v <= 24; ++v) {
    expected.push_back("CorelDRAW " + std::to_string(v) + " -> FAILED");
    expected.push_back("\tERROR: Could not find registry root");
  }
  expected.push_back("");
  EXPECT_EQ(form.memo.Text(), Report(expected, *station));
}

TEST(PassReport, SecondRunStartsFromAnEmptyReport) {
  Station station(SampleWorkstation());
  ASSERT_TRUE(DetectIllustratorCC());
  FakeForm form({"cbCxCorel2022"});
  form.memo.Append("typed by the user");
  btnPartialInstallClick(form, "btnInstallCx");
  std::string first = form.memo.Text();
  btnPartialInstallClick(form, "btnInstallCx");
  EXPECT_EQ(form.memo.Text(), first);
  EXPECT_EQ(first, Report({kHeaderB, "\t\tCorelDRAW 24(64bit) -> OK", "\tCorelDRAW 24 -> OK", ""}, *station));
}

TEST(PassReport, CCBoxWithEmptyListWritesOnlyHeaderAndEmptyLine) {
  Station station(ws::Description{});
  IllustratorCCVersions = {};
  FakeForm form({"cbCxAdobeCC"});
  btnPartialInstallClick(form, "btnInstallCx");
  EXPECT_EQ(form.memo.Text(), Report({kHeaderA, ""}, *station));
}

struct DetailCase {
  const char* sender;
  std::vector<std::string> pages;
};

class Details : public testing::TestWithParam<DetailCase> {};

TEST_P(Details, ShowsTheGroupsPage) {
  FakeForm form({});
  btnDetailClick(form, GetParam().sender);
  EXPECT_EQ(form.pages, GetParam().pages);
  EXPECT_EQ(form.memo.Text(), "");
}

INSTANTIATE_TEST_SUITE_P(Buttons, Details, testing::Values(
    DetailCase{"btnDetailCx", {"Cutrix Plug-in"}},
    DetailCase{"btnDetailPal", {"Palette"}},
    DetailCase{"btnInstallCx", {}}),
    [](const testing::TestParamInfo<DetailCase>& info) { return std::string(info.param.sender); });

}  // namespace
