// The template, PDF and palette commands of Tablebar.cpg in the simulated CorelDRAW, with the
// home folder in the registry views a setup program writes, and real save dialogs.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "corel_station.h"
#include "registry_sandbox.h"

namespace orvan::corel::test {
namespace {

using nlohmann::json;
using orvan::test::RegistrySandbox;
using orvan::test::RegView;

const char* kHomeKey = "SOFTWARE\\Orvan\\Cutbench";
const char* kPalette = R"(<?xml version="1.0"?><palette guid="x" name="Q"><colors><page><color cs="CMYK" tints="0,0,0,1" name="K"/></page></colors></palette>)";

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

class CorelCommands : public ::testing::Test {
protected:
  void SetUp() override {
    for (RegView v : {RegView::Bits64, RegView::Bits32}) RegistrySandbox::removeTree(HKEY_LOCAL_MACHINE, kHomeKey, v);
  }
  // The home folder with the template and both palettes below it.
  std::string Home(RegView view = RegView::Bits64, const char* valueName = "HomeDir") {
    const std::string home = station.tree().folder("Home");
    station.tree().file("Home\\Templates\\Orvan_Q_Series.cdt", Artwork({Rectangle(0, 0, 10, 10)}).dump());
    station.tree().file("Home\\Corel\\Q_series.xml", kPalette);
    station.tree().file("Home\\Corel\\Q_series_CutContour.xml", kPalette);
    registry.setString(HKEY_LOCAL_MACHINE, kHomeKey, valueName, home, view);
    return home;
  }
  CorelStation station;
  RegistrySandbox registry;
};

TEST_F(CorelCommands, TemplateFromTheHomeFolderInThe32BitView) {
  const std::string home = Home(RegView::Bits32, "Homedir");
  const json dump = station.run({"--event", "command:LoadNewTemplate"});
  EXPECT_EQ(dump["documentsFromTemplates"], json({home + "\\Templates\\Orvan_Q_Series.cdt"}));
  ASSERT_EQ(dump["documents"].size(), 1u);
  EXPECT_EQ(dump["documents"][0]["template"], home + "\\Templates\\Orvan_Q_Series.cdt");
  EXPECT_EQ(dump["documents"][0]["pages"][0]["layers"][0]["shapes"].size(), 1u) << "graphics included";
  EXPECT_TRUE(dump["dialogs"].empty());
}

struct NotInstalledCase {
  const char* name;
  int valueLength;  // bytes without the terminating zero; -1: no key
};

class CorelTemplateRefused : public CorelCommands, public ::testing::WithParamInterface<NotInstalledCase> {};

TEST_P(CorelTemplateRefused, SaysNotInstalledAndMakesNoDocument) {
  if (GetParam().valueLength >= 0)
    registry.setString(HKEY_LOCAL_MACHINE, kHomeKey, "Homedir", "C:\\" + std::string(size_t(GetParam().valueLength) - 3, 'h'),
                       RegView::Bits64);
  const json dump = station.run({"--event", "command:LoadNewTemplate"});
  const auto errors = Dialogs(dump, "Error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]["texts"][0], "Orvan Cutbench is not installed");
  EXPECT_TRUE(dump["documentsFromTemplates"].empty());
  EXPECT_TRUE(dump["documents"].empty());
}

INSTANTIATE_TEST_SUITE_P(Home, CorelTemplateRefused,
                         ::testing::Values(NotInstalledCase{"NoKey", -1}, NotInstalledCase{"Value281Bytes", 280},
                                           NotInstalledCase{"TemplatePathTooLong", 260}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CorelCommands, HomeFolderExampleGivesTheTemplatePath) {
  const std::string home = "C:\\Orvan\\Cutbench";
  orvan::test::FolderTree::writeFile(home + "\\Templates\\Orvan_Q_Series.cdt", "CorelDRAW template");
  registry.setString(HKEY_LOCAL_MACHINE, kHomeKey, "Homedir", home, RegView::Bits64);
  const json dump = station.run({"--event", "command:LoadNewTemplate"});
  orvan::test::FolderTree::removeAll("C:\\Orvan");
  EXPECT_EQ(dump["documentsFromTemplates"], json({"C:\\Orvan\\Cutbench\\Templates\\Orvan_Q_Series.cdt"}));
  EXPECT_EQ(dump["documents"].size(), 1u);
}

TEST_F(CorelCommands, PalettePathBeyondTheBufferIsRefusedNotCut) {
  registry.setString(HKEY_LOCAL_MACHINE, kHomeKey, "HomeDir", "C:\\" + std::string(265, 'p'), RegView::Bits64);
  const json dump = station.run({"--version", "16", "--event", "started"});
  const auto errors = Dialogs(dump, "Error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]["texts"][0], "Orvan Cutbench is not correctly installed");
  EXPECT_TRUE(dump["palettesOpened"].empty());
  EXPECT_TRUE(dump["palettesRefused"].empty()) << "no cut path reaches the host";
}

TEST_F(CorelCommands, MissingTemplateShowsTheHostError) {
  Home(RegView::Bits64, "Homedir");
  DeleteFileA(station.tree().path("Home\\Templates\\Orvan_Q_Series.cdt").c_str());
  const json dump = station.run({"--event", "command:LoadNewTemplate"});
  const auto errors = Dialogs(dump, "Error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0]["texts"][0].get<std::string>().find("Orvan_Q_Series.cdt"), std::string::npos);
  EXPECT_TRUE(dump["documents"].empty());
}

struct PdfCase {
  const char* name;
  std::string typed;     // relative to the tree; "cancel" to cancel
  std::string written;   // relative to the tree; "" when nothing is written
  bool existing;
};

class CorelPublishPdf : public CorelCommands, public ::testing::WithParamInterface<PdfCase> {};

TEST_P(CorelPublishPdf, WritesWhatTheUserChose) {
  const auto& c = GetParam();
  if (c.existing) station.tree().file(c.written, "old content");
  const std::string typed = c.typed == "cancel" ? c.typed : station.tree().path(c.typed);
  const json dump = station.run({"--doc", station.artwork(Artwork({Rectangle(20, 20, 100, 50)})), "--save-as", typed,
                                 "--event", "command:PublishToPDF"});
  ASSERT_EQ(dump["dialogs"].size(), 1u) << dump["dialogs"].dump();
  const json& dialog = dump["dialogs"][0];
  EXPECT_EQ(dialog["caption"], "Publish to PDF");
  if (c.written.empty()) {
    EXPECT_TRUE(dump["pdfsPublished"].empty());
    return;
  }
  EXPECT_EQ(dump["pdfsPublished"], json({station.tree().path(c.written)}));
  const std::string pdf = station.tree().read(c.written);
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Names, CorelPublishPdf,
                         ::testing::Values(PdfCase{"Cancel", "cancel", "", false},
                                           PdfCase{"TypedWithoutExtension", "proof", "proof.pdf", false},
                                           PdfCase{"NewFileWithExtension", "new.pdf", "new.pdf", false},
                                           PdfCase{"ExistingFileReplacedWithoutQuestion", "old.pdf", "old.pdf", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Palettes at start-up

TEST_F(CorelCommands, X4OpensNothingButStillNeedsTheHomeFolder) {
  Home();
  json dump = station.run({"--version", "14", "--event", "started"});
  EXPECT_TRUE(dump["palettesOpened"].empty());
  EXPECT_TRUE(dump["dialogs"].empty());
  RegistrySandbox::removeTree(HKEY_LOCAL_MACHINE, kHomeKey, RegView::Bits64);
  dump = station.run({"--version", "14", "--event", "started"});
  const auto errors = Dialogs(dump, "Error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]["texts"][0], "Please install Orvan Cutbench to use Q series palettes");
}

TEST_F(CorelCommands, X6OpensBothFromTheHomeFolderInOrder) {
  const std::string home = Home();
  const json dump = station.run({"--version", "16", "--event", "started"});
  EXPECT_EQ(dump["palettesOpened"], json({home + "\\Corel\\Q_series.xml", home + "\\Corel\\Q_series_CutContour.xml"}));
  EXPECT_TRUE(dump["dialogs"].empty());
}

TEST_F(CorelCommands, FirstPaletteMissingShowsOneMessageAndStops) {
  const std::string home = Home();
  DeleteFileA((home + "\\Corel\\Q_series.xml").c_str());
  const json dump = station.run({"--version", "15", "--event", "started"});
  const auto errors = Dialogs(dump, "Error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]["texts"][0], "Please install Orvan Cutbench. Can't find Q series palette");
  EXPECT_TRUE(dump["palettesOpened"].empty());
  EXPECT_EQ(dump["palettesRefused"], json({home + "\\Corel\\Q_series.xml"}));
}

TEST_F(CorelCommands, MalformedPaletteIsRefusedByTheHost) {
  const std::string home = Home();
  station.tree().file("Home\\Corel\\Q_series_CutContour.xml", "<palette><colors></palette>");
  const json dump = station.run({"--version", "16", "--event", "started"});
  EXPECT_EQ(dump["palettesOpened"].size(), 1u);
  EXPECT_EQ(Dialogs(dump, "Error").size(), 1u);
}

TEST_F(CorelCommands, V2022OpensFromTheSharedDataFolder) {
  Home();
  const std::string shared = SpecialFolder(CSIDL_COMMON_APPDATA) + "\\Orvan Palettes";
  orvan::test::FolderTree::removeAll(shared);
  orvan::test::FolderTree::writeFile(shared + "\\Corel\\Q_series.xml", kPalette);
  orvan::test::FolderTree::writeFile(shared + "\\Corel\\Q_series_CutContour.xml", kPalette);
  const json dump = station.run({"--version", "24", "--event", "started"});
  orvan::test::FolderTree::removeAll(shared);
  EXPECT_EQ(dump["palettesOpened"], json({shared + "\\Corel\\Q_series.xml", shared + "\\Corel\\Q_series_CutContour.xml"}));
  EXPECT_TRUE(dump["dialogs"].empty());
}

class CorelPaletteCopies : public CorelCommands, public ::testing::WithParamInterface<const char*> {};

TEST_P(CorelPaletteCopies, X8CopiesIntoMyPalettesAndOpensTheCopies) {
  Home();
  const std::string relative = "orvan-tests-" + std::to_string(GetCurrentProcessId()) + "\\Palettes";
  const std::string documents = SpecialFolder(CSIDL_PERSONAL);
  const std::string target = documents + "\\" + relative;
  orvan::test::FolderTree::makeFolders(target);
  const std::string key = std::string("SOFTWARE\\Corel\\") + GetParam() + "\\18.0\\Draw\\Application Preferences\\Color Palettes";
  for (const char* product : {"CorelDRAW", "Corel DESIGNER"})
    RegistrySandbox::removeTree(HKEY_CURRENT_USER, std::string("SOFTWARE\\Corel\\") + product + "\\18.0");
  registry.setString(HKEY_CURRENT_USER, key, "MyPalettes", relative);
  const json dump = station.run({"--version", "18", "--event", "started"});
  orvan::test::FolderTree::removeAll(documents + "\\orvan-tests-" + std::to_string(GetCurrentProcessId()));
  EXPECT_EQ(dump["palettesOpened"], json({target + "\\Q_series.xml", target + "\\Q_series_CutContour.xml"}));
  EXPECT_TRUE(dump["dialogs"].empty());
}

INSTANTIATE_TEST_SUITE_P(Products, CorelPaletteCopies, ::testing::Values("CorelDRAW", "Corel DESIGNER"),
                         [](const auto& info) {
                           std::string name = info.param;
                           name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
                           return name;
                         });

TEST_F(CorelCommands, X8WithoutPaletteSettingsAsksForAProperInstallation) {
  Home();
  for (const char* product : {"CorelDRAW", "Corel DESIGNER"})
    RegistrySandbox::removeTree(HKEY_CURRENT_USER, std::string("SOFTWARE\\Corel\\") + product + "\\19.0");
  const json dump = station.run({"--version", "19", "--event", "started"});
  const auto errors = Dialogs(dump, "Error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]["texts"][0], "Please install CorelDRAW properly, to use Q series palettes");
}

}  // namespace
}  // namespace orvan::corel::test
