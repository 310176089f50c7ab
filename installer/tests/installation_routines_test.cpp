// The installation routines on simulated workstations: whole reports compared exactly, and the files on disk
// (the right edition in the right folder, nothing where nothing may be written).
#include <gtest/gtest.h>

#include <functional>

#include "folder_tree.h"
#include "host_detection.h"
#include "host_installation.h"
#include "installation_scenario.h"
#include "other_process_lock.h"

using namespace installation_test;
using ws::Bits;

namespace {

struct Case {
  const char* name;
  std::function<void(ws::Description&)> describe;
  std::function<void(ReportMemo&)> run;
  std::vector<std::string> report;
  std::vector<FileCheck> files;
};

std::string CaseName(const testing::TestParamInfo<Case>& info) { return info.param.name; }

class Installation : public testing::TestWithParam<Case> {};

TEST_P(Installation, WritesReportAndFiles) {
  const Case& c = GetParam();
  ws::Description d;
  c.describe(d);
  Station station(d);
  TextMemo memo;
  c.run(memo);
  EXPECT_EQ(memo.Text(), Report(c.report, *station));
  ExpectFiles(c.files, *station);
}

auto Plugin(const char* version, const char* suffix = "") {
  return [=](ReportMemo& r) { InstallIllustratorPlugin(version, suffix, r); };
}
auto CCPlugins(std::vector<int32_t> versions) {
  return [=](ReportMemo& r) {
    IllustratorCCVersions = versions;
    InstallIllustratorCCPlugins(r);
  };
}
auto Palettes(const char* version, const char* suffix = "") {
  return [=](ReportMemo& r) { InstallIllustratorPalettes(version, suffix, r); };
}
auto CCPalettes(std::vector<int32_t> versions) {
  return [=](ReportMemo& r) {
    IllustratorCCVersions = versions;
    InstallIllustratorCCPalettes(r);
  };
}
auto CorelPlugin(const char* version) {
  return [=](ReportMemo& r) { InstallCorelPlugin(version, r); };
}
auto CorelPalette(const char* version) {
  return [=](ReportMemo& r) { InstallCorelPalette(version, r); };
}

const char kFilters[] = "\\Plug-ins\\Illustrator Filters\\";
std::string InFilters(const char* root, const char* file) { return std::string(root) + kFilters + file; }

INSTANTIATE_TEST_SUITE_P(IllustratorPlugin, Installation, testing::Values(
    Case{"CS6_64bit_without_twin",
         [](ws::Description& d) { d.illustrators = {Ai("16", Bits::B64)}; },
         Plugin("16"),
         {"\tAdobe Illustrator 16 -> OK"},
         {{InFilters("{ai}", "MarkwellCS6.aip"), "Adobe\\x64\\MarkwellCS6.aip"}}},
    Case{"CS6_64bit_with_32bit_twin",
         [](ws::Description& d) { d.illustrators = {Ai("16", Bits::B64, true)}; },
         Plugin("16"),
         {"\tAdobe Illustrator 16 -> OK"},
         {{InFilters("{ai}", "MarkwellCS6.aip"), "Adobe\\x64\\MarkwellCS6.aip"},
          {InFilters("{twin}", "MarkwellCS6.aip"), "Adobe\\MarkwellCS6.aip"}}},
    Case{"CS6_32bit_with_64bit_twin",
         [](ws::Description& d) { d.illustrators = {Ai("16", Bits::B32, true)}; },
         Plugin("16"),
         {"\tAdobe Illustrator 16 -> OK"},
         {{InFilters("{ai}", "MarkwellCS6.aip"), "Adobe\\MarkwellCS6.aip"},
          {InFilters("{twin}", "MarkwellCS6.aip"), "Adobe\\x64\\MarkwellCS6.aip"}}},
    Case{"CS5_32bit_never_looks_for_a_twin",
         [](ws::Description& d) { d.illustrators = {Ai("15", Bits::B32, true)}; },
         Plugin("15"),
         {"\tAdobe Illustrator 15 -> OK"},
         {{InFilters("{ai}", "MarkwellCS1.aip"), "Adobe\\MarkwellCS1.aip"},
          {InFilters("{twin}", "MarkwellCS1.aip"), ""}}},
    Case{"CS5_1_uses_its_own_key_and_name",
         [](ws::Description& d) { d.illustrators = {Ai("15.1", Bits::B32)}; },
         Plugin("15", ".1"),
         {"\tAdobe Illustrator 15.1 -> OK"},
         {{InFilters("{ai}", "MarkwellCS1.aip"), "Adobe\\MarkwellCS1.aip"}}},
    Case{"CS5_alone_is_not_CS5_1",
         [](ws::Description& d) { d.illustrators = {Ai("15.1", Bits::B32)}; },
         Plugin("15"),
         {"\tAdobe Illustrator 15 -> FAILED", "\tERROR: Could not find/acces root"},
         {{InFilters("{ai}", "MarkwellCS1.aip"), ""}}},
    Case{"version_21_gets_the_CC_edition",
         [](ws::Description& d) { d.illustrators = {Ai("21", Bits::B64)}; },
         Plugin("21"),
         {"\tAdobe Illustrator 21 -> OK"},
         {{InFilters("{ai}", "MarkwellCC.aip"), "Adobe\\x64\\MarkwellCC.aip"},
          {InFilters("{ai}", "MarkwellCC2018.aip"), ""}}},
    Case{"version_22_gets_the_CC2018_edition",
         [](ws::Description& d) { d.illustrators = {Ai("22", Bits::B64)}; },
         Plugin("22"),
         {"\tAdobe Illustrator 22 -> OK"},
         {{InFilters("{ai}", "MarkwellCC2018.aip"), "Adobe\\x64\\MarkwellCC2018.aip"},
          {InFilters("{ai}", "MarkwellCC.aip"), ""}}},
    Case{"CC_2019_64bit_with_twin_of_the_same_name",
         [](ws::Description& d) { d.illustrators = {Ai("23", Bits::B64, true)}; },
         Plugin("23"),
         {"\tAdobe Illustrator 23 -> OK"},
         {{InFilters("{ai}", "MarkwellCC2018.aip"), "Adobe\\x64\\MarkwellCC2018.aip"},
          {InFilters("{twin}", "MarkwellCC2018.aip"), "Adobe\\MarkwellCC2018.aip"}}},
    Case{"64bit_program_below_16_has_no_edition",
         [](ws::Description& d) { d.illustrators = {Ai("15", Bits::B64, true)}; },
         Plugin("15"),
         {"\tAdobe Illustrator 15 -> FAILED", "\tERROR: No 64 bit plug-in exists for Adobe Illustrator 15"},
         {{InFilters("{ai}", "MarkwellCS1.aip"), ""}, {InFilters("{twin}", "MarkwellCS1.aip"), ""}}},
    Case{"not_registered",
         [](ws::Description&) {},
         Plugin("14"),
         {"\tAdobe Illustrator 14 -> FAILED", "\tERROR: Could not find/acces root"},
         {}},
    Case{"registered_file_is_no_program",
         [](ws::Description& d) {
           d.illustrators = {Ai("16", Bits::B64)};
           d.illustrators[0].exe = ws::ExeKind::NotAProgram;
         },
         Plugin("16"),
         {"\tAdobe Illustrator 16 -> FAILED", "\tERROR: Could not find/acces root"},
         {{InFilters("{ai}", "MarkwellCS6.aip"), ""}}},
    Case{"no_3D_aip_below_the_root",
         [](ws::Description& d) {
           d.illustrators = {Ai("23", Bits::B64)};
           d.illustrators[0].pluginFolder = "";
         },
         Plugin("23"),
         {"\tAdobe Illustrator 23 -> FAILED", "\tERROR: Could not find 3D.aip in {ai}"},
         {}},
    Case{"missing_64bit_source_folder",
         [](ws::Description& d) {
           d.illustrators = {Ai("23", Bits::B64)};
           d.program.omit = {"Adobe\\x64"};
         },
         Plugin("23"),
         {"\tAdobe Illustrator 23 -> FAILED", "\tERROR: Could not copy {pf}Adobe\\x64\\MarkwellCC2018.aip (3)"},
         {{InFilters("{ai}", "MarkwellCC2018.aip"), ""}}},
    Case{"twin_fails_after_the_first_edition_is_in_place",
         [](ws::Description& d) {
           d.illustrators = {Ai("16", Bits::B64, true)};
           d.program.omit = {"Adobe\\MarkwellCS6.aip"};
         },
         Plugin("16"),
         {"\tAdobe Illustrator 16 -> FAILED", "\tERROR: Could not copy {pf}Adobe\\MarkwellCS6.aip (2)"},
         {{InFilters("{ai}", "MarkwellCS6.aip"), "Adobe\\x64\\MarkwellCS6.aip"},
          {InFilters("{twin}", "MarkwellCS6.aip"), ""}}},
    Case{"64bit_outside_Program_Files_is_not_its_own_twin",
         [](ws::Description& d) {
           d.illustrators = {Ai("23", Bits::B64)};
           d.illustrators[0].folder = "Apps\\Adobe Illustrator CC 2019";
         },
         Plugin("23"),
         {"\tAdobe Illustrator 23 -> OK"},
         {{InFilters("{ai}", "MarkwellCC2018.aip"), "Adobe\\x64\\MarkwellCC2018.aip"}}},
    Case{"32bit_outside_Program_Files_is_not_its_own_twin",
         [](ws::Description& d) {
           d.illustrators = {Ai("16", Bits::B32)};
           d.illustrators[0].folder = "Apps\\Illustrator";
         },
         Plugin("16"),
         {"\tAdobe Illustrator 16 -> OK"},
         {{InFilters("{ai}", "MarkwellCS6.aip"), "Adobe\\MarkwellCS6.aip"}}},
    Case{"CC_list_empty",
         [](ws::Description& d) { d.illustrators = {Ai("23", Bits::B64)}; },
         CCPlugins({}),
         {},
         {{InFilters("{ai}", "MarkwellCC2018.aip"), ""}}},
    Case{"CC_two_versions_in_list_order",
         [](ws::Description& d) { d.illustrators = {Ai("21", Bits::B64), Ai("23", Bits::B64)}; },
         CCPlugins({21, 23}),
         {"\tAdobe Illustrator 21 -> OK", "\tAdobe Illustrator 23 -> OK"},
         {{InFilters("{ai}", "MarkwellCC.aip"), "Adobe\\x64\\MarkwellCC.aip"},
          {InFilters("{ai2}", "MarkwellCC2018.aip"), "Adobe\\x64\\MarkwellCC2018.aip"}}},
    Case{"CC_duplicate_installed_twice",
         [](ws::Description& d) { d.illustrators = {Ai("23", Bits::B64)}; },
         CCPlugins({23, 23}),
         {"\tAdobe Illustrator 23 -> OK", "\tAdobe Illustrator 23 -> OK"},
         {}}),
    CaseName);

const char kWebSwatches[] = "\\Presets\\en_US\\Swatches\\Web\\";
std::string InSwatches(const char* root, const char* file) { return std::string(root) + kWebSwatches + file; }

INSTANTIATE_TEST_SUITE_P(IllustratorPalettes, Installation, testing::Values(
    Case{"CS2_beside_Web_ai",
         [](ws::Description& d) { d.illustrators = {Ai("12", Bits::B32)}; },
         Palettes("12"),
         {"\tAdobe Illustrator 12 -> OK", "\tAdobe Illustrator 12 -> OK"},
         {{"{ai}\\Presets\\Swatches\\Q_series.ase", "Adobe\\Q_series.ase"},
          {"{ai}\\Presets\\Swatches\\Q_series_CutContour.ase", "Adobe\\Q_series_CutContour.ase"}}},
    Case{"CS3_without_VisiBone2_ai",
         [](ws::Description& d) {
           d.illustrators = {Ai("13", Bits::B32)};
           d.illustrators[0].swatchFolder = "-";
         },
         Palettes("13"),
         {"\tAdobe Illustrator 13 -> FAILED", "\tERROR: Could not find VisiBone2.ai in {ai}",
          "\tAdobe Illustrator 13 -> FAILED", "\tERROR: Could not find VisiBone2.ai in {ai}"},
         {}},
    Case{"CC_2019_64bit_and_its_32bit_twin",
         [](ws::Description& d) { d.illustrators = {Ai("23", Bits::B64, true)}; },
         Palettes("23"),
         {"\tAdobe Illustrator 23 -> OK", "\tAdobe Illustrator 23 -> OK"},
         {{InSwatches("{ai}", "Q_series.ase"), "Adobe\\Q_series.ase"},
          {InSwatches("{twin}", "Q_series.ase"), "Adobe\\Q_series.ase"},
          {InSwatches("{twin}", "Q_series_CutContour.ase"), "Adobe\\Q_series_CutContour.ase"}}},
    Case{"CS6_64bit_twin_without_the_64_Bit_in_its_name",
         [](ws::Description& d) { d.illustrators = {Ai("16", Bits::B64, true)}; },
         Palettes("16"),
         {"\tAdobe Illustrator 16 -> OK", "\tAdobe Illustrator 16 -> OK"},
         {{InSwatches("{ai}", "Q_series.ase"), "Adobe\\Q_series.ase"},
          {InSwatches("{twin}", "Q_series.ase"), "Adobe\\Q_series.ase"}}},
    Case{"CS6_32bit_has_no_step_to_a_64bit_twin",
         [](ws::Description& d) { d.illustrators = {Ai("16", Bits::B32, true)}; },
         Palettes("16"),
         {"\tAdobe Illustrator 16 -> OK", "\tAdobe Illustrator 16 -> OK"},
         {{InSwatches("{ai}", "Q_series.ase"), "Adobe\\Q_series.ase"},
          {InSwatches("{twin}", "Q_series.ase"), ""}}},
    Case{"CS5_1",
         [](ws::Description& d) { d.illustrators = {Ai("15.1", Bits::B32)}; },
         Palettes("15", ".1"),
         {"\tAdobe Illustrator 15.1 -> OK", "\tAdobe Illustrator 15.1 -> OK"},
         {{InSwatches("{ai}", "Q_series_CutContour.ase"), "Adobe\\Q_series_CutContour.ase"}}},
    Case{"first_file_missing_does_not_stop_the_second",
         [](ws::Description& d) {
           d.illustrators = {Ai("16", Bits::B64)};
           d.program.omit = {"Adobe\\Q_series.ase"};
         },
         Palettes("16"),
         {"\tAdobe Illustrator 16 -> FAILED", "\tERROR: Could not copy {pf}Adobe\\Q_series.ase (2)",
          "\tAdobe Illustrator 16 -> OK"},
         {{InSwatches("{ai}", "Q_series_CutContour.ase"), "Adobe\\Q_series_CutContour.ase"}}},
    Case{"not_registered",
         [](ws::Description&) {},
         Palettes("14"),
         {"\tAdobe Illustrator 14 -> FAILED", "\tERROR: Could not find/acces root",
          "\tAdobe Illustrator 14 -> FAILED", "\tERROR: Could not find/acces root"},
         {}},
    Case{"CC_two_versions_give_four_lines",
         [](ws::Description& d) { d.illustrators = {Ai("21", Bits::B64), Ai("23", Bits::B64)}; },
         CCPalettes({21, 23}),
         {"\tAdobe Illustrator 21 -> OK", "\tAdobe Illustrator 21 -> OK", "\tAdobe Illustrator 23 -> OK",
          "\tAdobe Illustrator 23 -> OK"},
         {{InSwatches("{ai2}", "Q_series.ase"), "Adobe\\Q_series.ase"}}},
    Case{"CC_list_empty",
         [](ws::Description& d) { d.illustrators = {Ai("23", Bits::B64)}; },
         CCPalettes({}),
         {},
         {{InSwatches("{ai}", "Q_series.ase"), ""}}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(CorelPlugin, Installation, testing::Values(
    Case{"2022_64bit_only",
         [](ws::Description& d) { d.corels = {Draw("24", Bits::B64)}; },
         CorelPlugin("24"),
         {"\t\tCorelDRAW 24(64bit) -> OK", "\tCorelDRAW 24 -> OK"},
         {{"{draw}\\Draw\\Plugins64\\Tablebar.cpg", "Corel\\plugin\\x64\\Tablebar.cpg"},
          {"{draw}\\Draw\\Plugins64\\pdf_16.ico", "Corel\\plugin\\pdf_16.ico"},
          {"{draw}\\Draw\\Plugins\\Tablebar.cpg", ""}}},
    Case{"2018_both_editions",
         [](ws::Description& d) { d.corels = {Draw("20", Bits::B32), Draw("20", Bits::B64)}; },
         CorelPlugin("20"),
         {"\t\tCorelDRAW 20(32bit) -> OK", "\t\tCorelDRAW 20(64bit) -> OK", "\tCorelDRAW 20 -> OK"},
         {{"{draw}\\Draw\\Plugins\\Tablebar.cpg", "Corel\\plugin\\Win32\\Tablebar.cpg"},
          {"{draw}\\Draw\\Plugins\\cutrix_16.ico", "Corel\\plugin\\cutrix_16.ico"},
          {"{draw2}\\Draw\\Plugins64\\Tablebar.cpg", "Corel\\plugin\\x64\\Tablebar.cpg"},
          {"{draw2}\\Draw\\Plugins64\\cutout_16.ico", "Corel\\plugin\\cutout_16.ico"}}},
    Case{"X6_32bit_only",
         [](ws::Description& d) { d.corels = {Draw("16", Bits::B32)}; },
         CorelPlugin("16"),
         {"\t\tCorelDRAW 16(32bit) -> OK", "\tCorelDRAW 16 -> OK"},
         {{"{draw}\\Draw\\Plugins\\Tablebar.cpg", "Corel\\plugin\\Win32\\Tablebar.cpg"},
          {"{draw}\\Draw\\Plugins64\\Tablebar.cpg", ""}}},
    Case{"Corel_DESIGNER_key",
         [](ws::Description& d) {
           d.corels = {Draw("24", Bits::B64)};
           d.corels[0].designer = true;
         },
         CorelPlugin("24"),
         {"\t\tCorelDRAW 24(64bit) -> OK", "\tCorelDRAW 24 -> OK"},
         {{"{draw}\\Draw\\Plugins64\\Tablebar.cpg", "Corel\\plugin\\x64\\Tablebar.cpg"}}},
    Case{"not_registered",
         [](ws::Description& d) { d.corels = {Draw("22", Bits::B64)}; },
         CorelPlugin("21"),
         {"\tCorelDRAW 21 -> FAILED", "\tERROR: Could not find/acces root"},
         {}},
    Case{"missing_target_folder_is_created",
         [](ws::Description& d) {
           d.corels = {Draw("24", Bits::B64)};
           d.corels[0].pluginFolder = false;
         },
         CorelPlugin("24"),
         {"\t\tCorelDRAW 24(64bit) -> OK", "\tCorelDRAW 24 -> OK"},
         {{"{draw}\\Draw\\Plugins64\\Tablebar.cpg", "Corel\\plugin\\x64\\Tablebar.cpg"}}},
    Case{"missing_64bit_plugin_folder",
         [](ws::Description& d) {
           d.corels = {Draw("24", Bits::B64)};
           d.program.omit = {"Corel\\plugin\\x64"};
         },
         CorelPlugin("24"),
         {"\tCorelDRAW 24 -> FAILED", "\tERROR: Could not copy 64 bit plugin file to: {draw}\\Draw\\Plugins64\\"},
         {{"{draw}\\Draw\\Plugins64\\pdf_16.ico", ""}}},
    Case{"missing_plugin_folder_stops_before_the_64bit_edition",
         [](ws::Description& d) {
           d.corels = {Draw("20", Bits::B32), Draw("20", Bits::B64)};
           d.program.omit = {"Corel"};
         },
         CorelPlugin("20"),
         {"\tCorelDRAW 20 -> FAILED", "\tERROR: Could not copy 32 bit plugin file to: {draw}\\Draw\\Plugins\\"},
         {}},
    Case{"no_plugin_file_copies_only_the_icons",
         [](ws::Description& d) {
           d.corels = {Draw("16", Bits::B32)};
           d.program.omit = {"Corel\\plugin\\Win32\\Tablebar.cpg"};
         },
         CorelPlugin("16"),
         {"\t\tCorelDRAW 16(32bit) -> OK", "\tCorelDRAW 16 -> OK"},
         {{"{draw}\\Draw\\Plugins\\template_St.ico", "Corel\\plugin\\template_St.ico"},
          {"{draw}\\Draw\\Plugins\\Tablebar.cpg", ""}}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(CorelPalette, Installation, testing::Values(
    Case{"same_lines_as_the_plugin_page",
         [](ws::Description& d) { d.corels = {Draw("20", Bits::B32), Draw("20", Bits::B64)}; },
         CorelPalette("20"),
         {"\t\tCorelDRAW 20(32bit) -> OK", "\t\tCorelDRAW 20(64bit) -> OK", "\tCorelDRAW 20 -> OK"},
         {{"{draw2}\\Draw\\Plugins64\\Tablebar.cpg", "Corel\\plugin\\x64\\Tablebar.cpg"}}},
    Case{"without_registry_key_the_untabbed_line",
         [](ws::Description& d) { d.corels = {Draw("22", Bits::B64)}; },
         CorelPalette("21"),
         {"CorelDRAW 21 -> FAILED", "\tERROR: Could not find registry root"},
         {}},
    Case{"without_ConfigDir",
         [](ws::Description& d) {
           d.corels = {Draw("21", Bits::B64)};
           d.corels[0].configDir = false;
         },
         CorelPalette("21"),
         {"\tCorelDRAW 21 -> FAILED", "\tERROR: Could not find/acces root 1"},
         {{"{draw}\\Draw\\Plugins64\\Tablebar.cpg", ""}}}),
    CaseName);

TEST(IllustratorPluginTarget, ReadOnlyTargetIsReplaced) {
  ws::Description d;
  d.illustrators = {Ai("23", Bits::B64)};
  Station station(d);
  std::string target = station->illustrators()[0].root + kFilters + "MarkwellCC2018.aip";
  orvan::test::FolderTree::writeFile(target, "an older plug-in", FILE_ATTRIBUTE_READONLY);
  TextMemo memo;
  InstallIllustratorPlugin("23", "", memo);
  EXPECT_EQ(memo.Text(), "\tAdobe Illustrator 23 -> OK");
  EXPECT_EQ(Content(target), ws::dummyContent("Adobe\\x64\\MarkwellCC2018.aip"));
}

TEST(CorelPluginTarget, FileHeldOpenAsksToCloseCorelDrawAndLeaves64BitAlone) {
  ws::Description d;
  d.corels = {Draw("20", Bits::B32), Draw("20", Bits::B64)};
  Station station(d);
  std::string held = station->corels()[0].root + "\\Draw\\Plugins\\Tablebar.cpg";
  orvan::test::FolderTree::writeFile(held, "the plug-in CorelDRAW has loaded");
  orvan::test::OtherProcessLock lock(held);
  ASSERT_TRUE(lock.holding());
  TextMemo memo;
  InstallCorelPlugin("20", memo);
  EXPECT_EQ(memo.Text(), Report({"\tCorelDRAW 20 -> FAILED", "\tERROR: Close CorelDRAW 20 and try again"}, *station));
  EXPECT_EQ(Content(station->corels()[1].root + "\\Draw\\Plugins64\\Tablebar.cpg"), "<missing>");
}

}  // namespace
