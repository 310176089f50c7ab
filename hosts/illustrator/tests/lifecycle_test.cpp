// Startup, shutdown, unload and reload, dispatch of other messages, and the menus, as the simulated
// Illustrator sees them with the plug-in edition of this build's bitness.
#include <gtest/gtest.h>

#include "host_run.h"
#include "wine_paths.h"

using namespace orvan::aitest;

namespace {

const json kOneObject = BoxArtwork(0, 100, 200, 0);

json EmptyDocument() { return {{"layers", {{{"title", "Layer 1"}, {"art", json::array()}}}}}; }

const json& Group(const json& dump, const std::string& name) {
  static const json none;
  for (const json& g : dump["menus"])
    if (g["group"] == name) return g;
  return none;
}

std::vector<std::string> Texts(const json& group) {
  std::vector<std::string> out;
  for (const json& item : group["items"]) out.push_back(item["text"]);
  return out;
}

}  // namespace

TEST(Lifecycle, StartupAndShutdownAnswerZeroAndGiveBackEverything) {
  HostRun run = RunHost({}, &kOneObject);
  ASSERT_EQ(run.exitCode, 0);
  const json& d = run.dump;
  ASSERT_EQ(MessagesOf(d, "SP Interface", "Startup").size(), 1u);
  EXPECT_EQ(MessagesOf(d, "SP Interface", "Startup")[0]["result"], 0);
  EXPECT_EQ(MessagesOf(d, "SP Interface", "Shutdown")[0]["result"], 0);
  EXPECT_EQ(d["plugin"]["globalsSet"], false);
  EXPECT_EQ(d["host"]["blocks"], json::array());
  if (ThisEdition().cs1) {
    EXPECT_EQ(d["plugin"]["accessLocks"], 0);
    EXPECT_EQ(d["plugin"]["pipl"]["properties"].size(), 3u);
    EXPECT_EQ(d["plugin"]["pipl"]["trailingBytes"], 1);
  } else {
    // The 64-bit edition names itself, asks for the start notification, and keeps its access lock.
    EXPECT_EQ(d["plugin"]["name"], "OrvanCC");
    EXPECT_EQ(d["plugin"]["notifiers"][0]["name"], "OrvanCC App Started Notifier");
    ASSERT_EQ(MessagesOf(d, "AI Notifier", "AI Notify").size(), 1u);
    EXPECT_EQ(MessagesOf(d, "AI Notifier", "AI Notify")[0]["result"], 0);
    EXPECT_EQ(d["plugin"]["accessLocks"], 1);
    EXPECT_EQ(d["plugin"]["pipl"]["properties"].size(), 4u);
    EXPECT_EQ(d["plugin"]["pipl"]["name"], "Markwell");
  }
  EXPECT_EQ(d["dialogs"], json::array());
}

TEST(Lifecycle, UnloadAndReloadKeepTheMenuHandles) {
  // The 64-bit edition locks itself in; the host is told to unload it anyway to see the object kept.
  HostRun run = RunHost({"--ignore-access-lock", "--cycle", "--cycle", "--run", ThisEdition().marks}, &kOneObject);
  const json& d = run.dump;
  ASSERT_EQ(MessagesOf(d, "SP Access", "Unload").size(), 2u);
  for (const json& m : MessagesOf(d, "SP Access", "Unload")) EXPECT_EQ(m["result"], 0);
  for (const json& m : MessagesOf(d, "SP Access", "Reload")) EXPECT_EQ(m["result"], 0);
  ASSERT_EQ(MessagesOf(d, "AI Menu", "AI Go").size(), 1u);
  EXPECT_EQ(MessagesOf(d, "AI Menu", "AI Go")[0]["result"], 0);
  EXPECT_EQ(PathsOf(LayerOf(d, "Regmark"), "oval").size(), 4u) << "the command after reload was not recognised";
  EXPECT_EQ(d["plugin"]["globalsSet"], false);
  EXPECT_EQ(d["host"]["blocks"], json::array());
}

TEST(Lifecycle, AccessLockKeepsThe64BitEditionLoaded) {
  HostRun run = RunHost({"--cycle", "--run", ThisEdition().marks}, &kOneObject);
  const auto unload = MessagesOf(run.dump, "SP Access", "Unload");
  ASSERT_EQ(unload.size(), 1u);
  EXPECT_EQ(unload[0]["sent"], !!ThisEdition().cs1);
  EXPECT_EQ(PathsOf(LayerOf(run.dump, "Regmark"), "oval").size(), 4u);
}

struct Other {
  const char* name;
  const char* caller;
  const char* selector;
};

class OtherMessages : public ::testing::TestWithParam<Other> {};

TEST_P(OtherMessages, AreAnsweredZero) {
  HostRun run = RunHost({"--send", std::string(GetParam().caller) + ":" + GetParam().selector}, &kOneObject);
  const auto sent = MessagesOf(run.dump, GetParam().caller, GetParam().selector);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0]["result"], 0);
  EXPECT_EQ(run.dump["dialogs"], json::array());
}

INSTANTIATE_TEST_SUITE_P(Dispatch, OtherMessages,
                         ::testing::Values(Other{"ToolMouseDown", "AI Tool", "AI Mouse Down"},
                                           Other{"PropertiesAcquire", "SP Properties", "Acquire"},
                                           Other{"Purge", "SP Cache", "Plug-in Purge"},
                                           Other{"UnknownCaller", "Nobody", "Anything"},
                                           Other{"ActionManager", "Action Manager", "Do Action"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct StartupFailure {
  const char* name;
  const char* ccFailure;
  const char* cs1Failure;
  const char* code;
};

class FailedStartup : public ::testing::TestWithParam<StartupFailure> {};

TEST_P(FailedStartup, CleansUpAndTheCommandsAreGone) {
  const char* failure = ThisEdition().cs1 ? GetParam().cs1Failure : GetParam().ccFailure;
  HostRun run = RunHost({"--fail", failure, "--run", ThisEdition().marks}, &kOneObject);
  const json& d = run.dump;
  EXPECT_EQ(MessagesOf(d, "SP Interface", "Startup")[0]["resultText"], GetParam().code);
  EXPECT_EQ(d["plugin"]["running"], false);
  EXPECT_EQ(d["plugin"]["globalsSet"], false);
  EXPECT_EQ(d["host"]["blocks"], json::array());
  EXPECT_EQ(MessagesOf(d, "AI Menu", "AI Go")[0]["sent"], false);
  EXPECT_EQ(MessagesOf(d, "SP Interface", "Shutdown").size(), 0u);
}

// The first item added is the separator probe, refused by a host without the group; the second
// is the submenu item. The submenu item's automatic enabling is not checked; the first command's is.
INSTANTIATE_TEST_SUITE_P(
    Failures, FailedStartup,
    ::testing::Values(
        StartupFailure{"SubmenuItemRefused", "AI Menu Suite.AddMenuItem@2=PARM", "AI Menu Suite.AddMenuItem@2=PARM",
                       "PARM"},
        StartupFailure{"CommandEnablingRefused", "AI Menu Suite.UpdateMenuItemAutomatically@2=PARM",
                       "AI Menu Suite.UpdateMenuItemAutomatically@2=PARM", "PARM"},
        StartupFailure{"MenuTextUnavailable", "AI Unicode String Suite.FromUTF8@1=MEM!",
                       "ADM Basic Suite.GetIndexString@1=MEM!", "MEM!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lifecycle, SuiteTheHostDoesNotOfferStopsStartup) {
  const std::string suite = ThisEdition().cs1 ? "AI Document Suite@8" : "AI Layer Suite@13";
  HostRun run = RunHost({"--withhold", suite}, &kOneObject);
  const json& d = run.dump;
  EXPECT_EQ(MessagesOf(d, "SP Interface", "Startup")[0]["resultText"], "S!Fd");
  EXPECT_EQ(d["plugin"]["running"], false);
  if (ThisEdition().cs1) {
    // Acquired after the dialog manager's basic suite: its alert names the suite; S!Fd itself
    // shows no error dialog.
    ASSERT_EQ(d["dialogs"].size(), 1u);
    // 1394689636 is S!Fd in decimal.
    EXPECT_EQ(d["dialogs"][0]["texts"][0], "Error: 1394689636, suite: AI Document Suite, version: 8!");
  } else {
    EXPECT_EQ(d["dialogs"], json::array());
  }
}

TEST(Menus, AloneTheSubmenuHangsFromExportDocumentWithoutSeparator) {
  HostRun run = RunHost({}, &kOneObject);
  const auto& e = ThisEdition();
  const json& exportGroup = Group(run.dump, "Export Document");
  ASSERT_EQ(exportGroup["items"].size(), 1u);
  EXPECT_EQ(exportGroup["items"][0]["text"], e.submenuText);
  EXPECT_EQ(exportGroup["items"][0]["automatic"], true);
  const json& group = Group(run.dump, e.group);
  EXPECT_EQ(group["parent"], e.submenuText);
  EXPECT_EQ(Texts(group), (std::vector<std::string>{e.marks, e.marksWithSquares}));
}

TEST(Menus, WithTheGroupOfAnotherPluginTheCommandsFollowASeparator) {
  HostRun run = RunHost({"--other-plugin-group", ThisEdition().group}, &kOneObject);
  const auto& e = ThisEdition();
  const json& exportGroup = Group(run.dump, "Export Document");
  ASSERT_EQ(exportGroup["items"].size(), 1u) << "a second submenu item was added";
  EXPECT_EQ(exportGroup["items"][0]["owner"], "Other Orvan plug-in");
  const json& group = Group(run.dump, e.group);
  EXPECT_EQ(Texts(group), (std::vector<std::string>{"Other Orvan Command", "-", e.marks, e.marksWithSquares}));
  EXPECT_EQ(group["items"][1]["separator"], true);
}

struct EnablingCase {
  const char* name;
  json artwork;
  bool enabled;
};

class Enabling : public ::testing::TestWithParam<EnablingCase> {};

TEST_P(Enabling, FollowsWhetherTheDocumentHoldsAnyObject) {
  HostRun run = RunHost({"--run", ThisEdition().marks}, &GetParam().artwork);
  for (const json& item : Group(run.dump, ThisEdition().group)["items"]) EXPECT_EQ(item["enabled"], GetParam().enabled);
  const auto go = MessagesOf(run.dump, "AI Menu", "AI Go");
  ASSERT_EQ(go.size(), 1u);
  EXPECT_EQ(go[0]["sent"], GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, Enabling,
    ::testing::Values(EnablingCase{"Empty", EmptyDocument(), false},
                      EnablingCase{"OneUnselectedObject", kOneObject, true},
                      EnablingCase{"ObjectOnLockedHiddenLayer", json::parse(R"({"layers": [{"title": "Locked",
                          "editable": false, "visible": false, "art": [{"kind": "oval", "bounds": [0, 10, 10, 0]}]}]})"),
                                   true}),
    [](const auto& info) { return std::string(info.param.name); });

#ifndef _WIN64
// The 32-bit build of the MarkwellCC sources, one of the files the installer copies, works too.
TEST(Lifecycle, ThirtyTwoBitBuildOfTheCcSourcesDrawsTheFrame) {
  HostRun run = RunHost({"--plugin", orvan::test::programFolder() + "\\adobe\\MarkwellCC.aip", "--run",
                         "Add Cutrix Pro Registration Marks"},
                        &kOneObject);
  EXPECT_EQ(MessagesOf(run.dump, "AI Menu", "AI Go")[0]["result"], 0);
  EXPECT_EQ(PathsOf(LayerOf(run.dump, "Regmark"), "oval").size(), 4u);
}
#endif
