// Host detection against Wine's real registry, in the installer's own 32-bit process.
#include <gtest/gtest.h>

#include <windows.h>

#include "folder_tree.h"
#include "host_detection.h"
#include "registry_sandbox.h"

using orvan::test::FolderTree;
using orvan::test::RegistrySandbox;
using orvan::test::RegView;

namespace {

const char kClasses[] = "SOFTWARE\\Classes";

class RecordingLabel : public StatusLabel {
public:
  void SetCaption(const std::string& c) override { caption = c; }
  void SetColour(uint32_t c) override { colour = c; }
  std::string caption = "unset";
  uint32_t colour = 0xFFFFFFFF;
};

// Every test starts with no Illustrator class keys, no CorelDRAW keys and no Scribo key in either view.
class Detection : public ::testing::Test {
protected:
  void SetUp() override { scrub(); }
  void TearDown() override { scrub(); }
  static void scrub() {
    for (RegView view : {RegView::Bits32, RegView::Bits64}) {
      RegistrySandbox::removeSubkeysStartingWith(HKEY_LOCAL_MACHINE, kClasses, "Adobe.Illustrator.", view);
      RegistrySandbox::removeSubkeysStartingWith(HKEY_LOCAL_MACHINE, kClasses, "0Adobe.Illustrator.", view);
      RegistrySandbox::removeTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\COREL\\CorelDRAW", view);
      RegistrySandbox::removeTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Corel\\Corel DESIGNER", view);
      RegistrySandbox::removeTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vetra\\OrvanScribo", view);
    }
  }
  void illustratorClass(const std::string& name, bool withServer = true) {
    std::string key = std::string(kClasses) + "\\" + name;
    reg.key(HKEY_LOCAL_MACHINE, withServer ? key + "\\protocol\\StdFileEditing\\server" : key);
  }
  void corel(const std::string& product, const std::string& version, RegView view, const char* installed,
             const std::string& configDir = "") {
    const std::string root = "\\SOFTWARE\\Corel\\" + product + "\\" + version + ".0";
    reg.key(HKEY_LOCAL_MACHINE, root, view);
    if (installed) reg.setString(HKEY_LOCAL_MACHINE, root + "\\Setup", "Installed", installed, view);
    if (!configDir.empty()) reg.setString(HKEY_LOCAL_MACHINE, root, "ConfigDir", configDir, view);
  }
  RegistrySandbox reg;
};

TEST_F(Detection, IllustratorNeedsTheServerSubkeyOfItsClass) {
  illustratorClass("Adobe.Illustrator.16");
  illustratorClass("Adobe.Illustrator.15.1");
  illustratorClass("Adobe.Illustrator.14", false);
  EXPECT_TRUE(IsIllustratorInstalled("16"));
  EXPECT_TRUE(IsIllustratorInstalled("15.1"));
  EXPECT_FALSE(IsIllustratorInstalled("15"));
  EXPECT_FALSE(IsIllustratorInstalled("14"));
}

TEST_F(Detection, NoCCVersionsLeavesTheListEmpty) {
  IllustratorCCVersions = {99};
  illustratorClass("Adobe.Illustrator.16");  // CS6 is not CC
  illustratorClass("Adobe.Illustrator.17", false);
  EXPECT_FALSE(DetectIllustratorCC());
  EXPECT_TRUE(IllustratorCCVersions.empty());
  EXPECT_TRUE(IsIllustratorInstalled("16"));
}

TEST_F(Detection, CCVersionsAreSortedAndKeepDuplicates) {
  illustratorClass("Adobe.Illustrator.22");
  illustratorClass("Adobe.Illustrator.17");
  // The prefix may stand anywhere in the name; this one enumerates first and names version 25.
  illustratorClass("0Adobe.Illustrator.25", false);
  illustratorClass("Adobe.Illustrator.25");
  // A second class of version 22 counts again.
  illustratorClass("Adobe.Illustrator.22.Document", false);
  // Names whose two characters after the prefix are no number are passed over without failing the scan.
  illustratorClass("Adobe.Illustrator.Graphic", false);
  illustratorClass("Adobe.Illustrator.2", false);
  illustratorClass("Adobe.Illustrator.x9", false);
  EXPECT_TRUE(DetectIllustratorCC());
  EXPECT_EQ(IllustratorCCVersions, (std::vector<int32_t>{17, 22, 22, 25, 25}));
}

struct CorelCase {
  const char* name;
  const char* installed;  // nullptr: no "Installed" value at all
  bool expected;
};

class CorelInstalled : public Detection, public ::testing::WithParamInterface<CorelCase> {};

TEST_P(CorelInstalled, NeedsYesInTheSetupKey) {
  corel("CorelDRAW", "24", RegView::Bits32, GetParam().installed);
  EXPECT_EQ(IsCorelInstalled("24"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CorelInstalled,
    ::testing::Values(CorelCase{"Yes", "Yes", true}, CorelCase{"YesInsideText", "Installed: Yes (full)", true},
                      CorelCase{"LowerCaseYes", "yes", false}, CorelCase{"No", "No", false},
                      CorelCase{"Empty", "", false}, CorelCase{"Missing", nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Detection, CorelOnlyInThe64BitViewIsFoundAndLocatedThere) {
  FolderTree tree("corel64");
  const std::string draw = tree.folder("CorelDRAW Graphics Suite 2022\\Draw");
  corel("CorelDRAW", "24", RegView::Bits64, "Yes", draw);
  std::string root = "unchanged";
  EXPECT_TRUE(GetCorelRootKey("24", root));
  EXPECT_EQ(root, "\\SOFTWARE\\COREL\\CorelDRAW\\24.0");
  EXPECT_TRUE(IsCorelInstalled("24"));
  EXPECT_EQ(GetCorelInstallDir("24"), tree.path("CorelDRAW Graphics Suite 2022"));
  EXPECT_EQ(GetCorelInstallDir64("24"), tree.path("CorelDRAW Graphics Suite 2022"));
  EXPECT_EQ(GetCorelInstallDir32("24"), "0");
}

TEST_F(Detection, TheThirtyTwoBitViewComesFirst) {
  FolderTree tree("corelboth");
  corel("CorelDRAW", "21", RegView::Bits32, "Yes", tree.folder("x86\\Draw"));
  corel("CorelDRAW", "21", RegView::Bits64, "Yes", tree.folder("x64\\Draw"));
  EXPECT_EQ(GetCorelInstallDir("21"), tree.path("x86"));
  EXPECT_EQ(GetCorelInstallDir32("21"), tree.path("x86"));
  EXPECT_EQ(GetCorelInstallDir64("21"), tree.path("x64"));
}

TEST_F(Detection, CorelDesignerIsTheFallbackRootKey) {
  FolderTree tree("designer");
  corel("Corel DESIGNER", "18", RegView::Bits32, "Yes", tree.folder("Designer\\Draw"));
  std::string root;
  EXPECT_TRUE(GetCorelRootKey("18", root));
  EXPECT_EQ(root, "\\SOFTWARE\\Corel\\Corel DESIGNER\\18.0");
  EXPECT_TRUE(IsCorelInstalled("18"));
  EXPECT_EQ(GetCorelInstallDir("18"), tree.path("Designer"));
}

TEST_F(Detection, NoCorelKeyGivesTheSentinels) {
  std::string root = "unchanged";
  EXPECT_FALSE(GetCorelRootKey("23", root));
  EXPECT_EQ(root, "unchanged");
  EXPECT_FALSE(IsCorelInstalled("23"));
  EXPECT_EQ(GetCorelInstallDir("23"), "0");
  EXPECT_EQ(GetCorelInstallDir32("23"), "0");
  EXPECT_EQ(GetCorelInstallDir64("23"), "0");
}

TEST_F(Detection, MissingOrBrokenConfigDirGivesZero) {
  FolderTree tree("noconfig");
  corel("CorelDRAW", "20", RegView::Bits32, "Yes");
  corel("CorelDRAW", "19", RegView::Bits32, "Yes", tree.path("gone\\Draw"));
  EXPECT_TRUE(IsCorelInstalled("20"));
  EXPECT_EQ(GetCorelInstallDir("20"), "0");
  EXPECT_EQ(GetCorelInstallDir32("20"), "0");
  EXPECT_EQ(GetCorelInstallDir("19"), "0");
}

TEST_F(Detection, ScriboLabel) {
  RecordingLabel label;
  CheckScriboInstalled(label);
  EXPECT_EQ(label.caption, "Scribo is NOT installed!");
  EXPECT_EQ(label.colour, RGB(255, 0, 0));

  reg.key(HKEY_LOCAL_MACHINE, "\\SOFTWARE\\Vetra\\OrvanScribo\\Application-Settings");
  CheckScriboInstalled(label);
  EXPECT_EQ(label.caption, "Scribo is installed.");
  EXPECT_EQ(label.colour, GetSysColor(COLOR_WINDOWTEXT));
}

struct CommandCase {
  const char* name;
  const char* command;
  const char* expected;
};

class IllustratorExe : public Detection, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(IllustratorExe, IsTheFirstQuotedPartOfTheOpenCommand) {
  reg.setString(HKEY_LOCAL_MACHINE, std::string(kClasses) + "\\Adobe.Illustrator.23\\shell\\Open\\command", "",
                GetParam().command);
  EXPECT_EQ(GetIllustratorExePath("23"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, IllustratorExe,
    ::testing::Values(
        CommandCase{"QuotedPathAndArgument", "\"C:\\Program Files\\Adobe\\Support Files\\Contents\\Windows\\Illustrator.exe\" \"%1\"",
                    "C:\\Program Files\\Adobe\\Support Files\\Contents\\Windows\\Illustrator.exe"},
        CommandCase{"QuotedPathOnly", "\"C:\\AI\\Illustrator.exe\"", "C:\\AI\\Illustrator.exe"},
        CommandCase{"Unquoted", "C:\\AI\\Illustrator.exe %1", ""},
        CommandCase{"OneQuoteOnly", "\"C:\\AI\\Illustrator.exe %1", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Detection, NoOpenCommandGivesEmptyPath) { EXPECT_EQ(GetIllustratorExePath("23"), ""); }

}  // namespace
