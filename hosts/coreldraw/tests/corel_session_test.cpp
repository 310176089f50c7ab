// Tablebar.cpg in the simulated CorelDRAW: attach and reference counts, session start and stop,
// the event switch, the toolbar, and host errors at every step of the start and the stop.
#include <gtest/gtest.h>

#include "corel_station.h"

namespace orvan::corel::test {
namespace {

using nlohmann::json;

const char* kToolbar = "Orvan Flatbed toolbar";
const std::vector<std::string> kIds = {"LoadNewTemplate", "SetCutrixMarkers", "SetCutrixMarkersAndSquares", "PublishToPDF"};

json Bar(const json& dump, const std::string& name) {
  for (const auto& b : dump["commandBars"])
    if (b["name"] == name) return b;
  return nullptr;
}

int BarsNamed(const json& dump, const std::string& name) {
  int n = 0;
  for (const auto& b : dump["commandBars"]) n += b["name"] == name;
  return n;
}

std::vector<std::string> ControlIds(const json& bar) {
  std::vector<std::string> ids;
  for (const auto& c : bar["controls"]) ids.push_back(c["id"]);
  return ids;
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return s;
}

// A state file with the given bars, each holding controls with the given ids.
std::string State(CorelStation& station, const std::vector<std::pair<std::string, std::vector<std::string>>>& bars) {
  json list = json::array();
  for (const auto& [name, ids] : bars) {
    json controls = json::array();
    for (const auto& id : ids) controls.push_back({{"id", id}});
    list.push_back({{"name", name}, {"visible", true}, {"controls", controls}});
  }
  return station.tree().file("state.json", json{{"bars", list}}.dump());
}

TEST(CorelLifecycle, AttachAnswersTheThreeInterfacesAndCountsReferences) {
  CorelStation station;
  const json dump = station.run({"--probe"});
  const json& s = dump["session"];
  EXPECT_EQ(s["attachPlugin"], 0x100);
  EXPECT_TRUE(s["pluginPointer"]);
  const json& p = s["probe"];
  EXPECT_EQ(p["countBefore"], 1);
  for (const char* known : {"IUnknown", "IDispatch", "IVGAppPlugin"}) {
    EXPECT_EQ(p["queryInterface"][known]["result"], "0x00000000") << known;
    EXPECT_TRUE(p["queryInterface"][known]["samePointer"]) << known;
    EXPECT_EQ(p["queryInterface"][known]["countAfter"], 2) << known;
  }
  EXPECT_EQ(p["queryInterface"]["IClassFactory"]["result"], "0x80004002");
  EXPECT_EQ(p["queryInterface"]["IClassFactory"]["countAfter"], 1) << "an unknown interface leaves the count alone";
  EXPECT_EQ(p["addRef"], 2);
  EXPECT_EQ(p["release"], 1);
  for (const char* call : {"getTypeInfoCount", "getTypeInfo", "getIDsOfNames"}) EXPECT_EQ(p[call], "0x80004001") << call;
  EXPECT_EQ(s["onLoad"], "0x00000000");
  EXPECT_EQ(s["startSession"], "0x00000000");
  EXPECT_EQ(s["stopSession"], "0x00000000");
  EXPECT_EQ(s["onUnload"], "0x00000000");
  EXPECT_EQ(s["release"], 0) << "the last Release deletes the object";
  EXPECT_EQ(s["applicationReferencesAfterUnload"], 1) << "OnUnload gives the application back";
  EXPECT_EQ(s["sinksLeft"], 0);
  EXPECT_EQ(dump["eventsAdvised"].size(), 1u);
  EXPECT_EQ(dump["eventsUnadvised"], dump["eventsAdvised"]);
  EXPECT_TRUE(dump["pluginCommands"].empty()) << "the stop unregisters all four commands";
}

TEST(CorelEvents, UnknownEventNumbersChangeNothing) {
  CorelStation station;
  const std::string art = station.artwork(Artwork({Rectangle(0, 0, 100, 50)}));
  const json dump = station.run({"--doc", art, "--event", "19", "--event", "22", "--event", "99:SetCutrixMarkers",
                                 "--event", "query:SetCutrixMarkers"});
  for (int i = 0; i < 3; ++i) EXPECT_EQ(dump["session"]["events"][i]["results"][0], "0x00000000");
  EXPECT_EQ(dump["session"]["events"][3]["written"], 0) << "no unknown event updated the states";
  EXPECT_TRUE(dump["documents"][0]["commandGroups"].empty());
  EXPECT_TRUE(dump["dialogs"].empty());
}

struct CommandEventCase {
  const char* name;
  std::string event;
  bool runs;
};

class CorelCommandEvent : public ::testing::TestWithParam<CommandEventCase> {};

TEST_P(CorelCommandEvent, RunsOnlyForOneStringArgumentEqualToAnIdentifier) {
  CorelStation station;
  const std::string art = station.artwork(Artwork({Rectangle(0, 0, 100, 50)}));
  const json dump = station.run({"--doc", art, "--event", GetParam().event});
  EXPECT_EQ(dump["session"]["events"][0]["results"][0], "0x00000000");
  EXPECT_EQ(dump["documents"][0]["commandGroups"].size(), GetParam().runs ? 1u : 0u);
  EXPECT_EQ(FindLayer(dump, "Regmark").is_null(), !GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CorelCommandEvent,
    ::testing::Values(CommandEventCase{"OneIdentifier", "command:SetCutrixMarkers", true},
                      CommandEventCase{"NoArgument", "20", false},
                      CommandEventCase{"TwoArguments", "20:SetCutrixMarkers,SetCutrixMarkers", false},
                      CommandEventCase{"OtherLetterCase", "command:setCutrixMarkers", false},
                      CommandEventCase{"LongerIdentifier", "command:SetCutrixMarkers ", false},
                      CommandEventCase{"NotAString", "20:#int", false},
                      CommandEventCase{"BooleanReference", "20:#bool", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct StateQueryCase {
  const char* name;
  std::vector<std::string> events;  // the last one is the query
  json written;                     // null: nothing written
};

class CorelStateQuery : public ::testing::TestWithParam<StateQueryCase> {};

TEST_P(CorelStateQuery, WritesOneOrZero) {
  CorelStation station;
  const std::string art = station.artwork(Artwork({Rectangle(0, 0, 100, 50)}));
  std::vector<std::string> args = {"--doc", art};
  for (const auto& e : GetParam().events) args.insert(args.end(), {"--event", e});
  const json dump = station.run(args);
  EXPECT_EQ(dump["session"]["events"].back()["written"], GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    States, CorelStateQuery,
    ::testing::Values(
        StateQueryCase{"TemplateAfterClose", {"closed", "query:LoadNewTemplate"}, 1},
        StateQueryCase{"PdfAfterClose", {"selection", "closed", "query:PublishToPDF"}, 0},
        StateQueryCase{"MarksBeforeFirstSelection", {"query:SetCutrixMarkers"}, 0},
        StateQueryCase{"MarksAfterSelection", {"selection", "query:SetCutrixMarkers"}, 1},
        StateQueryCase{"SelectionWithoutDocument", {"closed", "selection", "query:PublishToPDF"}, 0},
        StateQueryCase{"TemplateWithoutDocument", {"closed", "selection", "query:LoadNewTemplate"}, 1},
        StateQueryCase{"UnknownIdentifier", {"query:Unknown"}, nullptr},
        StateQueryCase{"OtherLetterCase", {"query:loadnewtemplate"}, nullptr},
        StateQueryCase{"TwoArguments", {"21:#bool,LoadNewTemplate"}, nullptr},
        StateQueryCase{"StateNotAReference", {"21:#bool,#int,LoadNewTemplate"}, nullptr},
        StateQueryCase{"IdentifierNotAString", {"21:#int,#bool,#int"}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CorelStart, OlderHostIsAskedUntilReadyWithRetry) {
  CorelStation station;
  const json dump = station.run({"--version", "16", "--not-ready", "2", "--answer", "Corel is not initialised yet=Retry"});
  const auto warnings = Dialogs(dump, "Warning");
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0]["texts"][0], "Corel is not initialised yet");
  EXPECT_EQ(warnings[0]["icon"], "warning");
  EXPECT_EQ(warnings[0]["buttons"], json({"Retry", "Cancel"}));
  EXPECT_EQ(dump["readyReads"], 3);
  EXPECT_EQ(dump["session"]["startSession"], "0x00000000");
  EXPECT_EQ(dump["eventsAdvised"].size(), 1u);
  EXPECT_FALSE(Bar(dump, kToolbar).is_null());
}

TEST(CorelStart, HostFrom17OnIsNeverAsked) {
  CorelStation station;
  const json dump = station.run({"--version", "17", "--not-ready", "5"});
  EXPECT_TRUE(dump["dialogs"].empty());
  EXPECT_EQ(dump["readyReads"], 0);
  EXPECT_EQ(dump["eventsAdvised"].size(), 1u);
}

TEST(CorelStart, CancelEndsTheStartAndTheStopStillUnregisters) {
  CorelStation station;
  const json dump = station.run({"--version", "16", "--not-ready", "9", "--answer", "Corel is not initialised yet=Cancel",
                                 "--event", "command:SetCutrixMarkers"});
  EXPECT_EQ(Dialogs(dump, "Warning").size(), 1u);
  EXPECT_EQ(dump["session"]["startSession"], "0x80004005");
  EXPECT_TRUE(Bar(dump, kToolbar).is_null());
  EXPECT_TRUE(dump["eventsAdvised"].empty());
  EXPECT_FALSE(dump["session"]["events"][0]["delivered"]);
  EXPECT_EQ(dump["eventsUnadvised"], json({0}));
  std::vector<std::string> removed;
  for (const auto& line : dump["pluginCommandLog"]) removed.push_back(line);
  EXPECT_EQ(removed, std::vector<std::string>({"remove LoadNewTemplate", "remove SetCutrixMarkers",
                                               "remove SetCutrixMarkersAndSquares", "remove PublishToPDF"}));
  EXPECT_EQ(dump["session"]["stopSession"], "0x00000000");
  EXPECT_EQ(dump["session"]["release"], 0);
}

// ---------------------------------------------------------------------------------------------
// Toolbar

TEST(CorelToolbar, FirstStartBuildsTheBarWithFourIconButtons) {
  CorelStation station;
  const std::string state = station.tree().path("state.json");
  const json dump = station.run({"--state", state, "--version", "24"});
  const json bar = Bar(dump, kToolbar);
  ASSERT_FALSE(bar.is_null());
  EXPECT_TRUE(bar["visible"]);
  EXPECT_TRUE(bar["temporary"]);
  EXPECT_EQ(bar["position"], 1);
  EXPECT_EQ(ControlIds(bar), kIds);
  const std::string folder = Lower(station.pluginFolder()) + "\\";
  const char* icons[] = {"template_St.ico", "cutrix_16.ico", "cutout_16.ico", "pdf_16.ico"};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(bar["controls"][i]["category"], "ab489730-8791-45d2-a825-b78bbe0d6a5d");
    EXPECT_EQ(bar["controls"][i]["icon"], folder + icons[i]);
    EXPECT_EQ(bar["controls"][i]["iconCall"], "SetCustomIcon");
  }
  EXPECT_TRUE(dump["dialogs"].empty());
  EXPECT_EQ(dump["calls"]["Application.AddPluginCommand"], 4);
}

TEST(CorelToolbar, LaterStartRegistersAgainWithoutNewButtons) {
  CorelStation station;
  const std::string state = station.tree().path("state.json");
  station.run({"--state", state, "--version", "17"});
  const json dump = station.run({"--state", state, "--version", "18"});
  EXPECT_EQ(BarsNamed(dump, kToolbar), 1);
  const json bar = Bar(dump, kToolbar);
  EXPECT_EQ(ControlIds(bar), kIds);
  for (const auto& c : bar["controls"]) EXPECT_EQ(c["iconCall"], "SetCustomIcon") << "icons set again by version 18";
  EXPECT_TRUE(dump["dialogs"].empty());
  EXPECT_EQ(dump["calls"]["Application.AddPluginCommand"], 4);
  EXPECT_EQ(dump["calls"].value("CommandBars.Add", 0), 0);
}

TEST(CorelToolbar, BarWithThreeButtonsIsAnnouncedAndRebuilt) {
  CorelStation station;
  const std::string state = State(station, {{"Standard", {"a"}}, {kToolbar, {kIds[0], kIds[1], kIds[3]}}});
  const json dump = station.run({"--state", state});
  const auto boxes = Dialogs(dump, "Installation toolbar");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0]["texts"][0], "toolbar is being re\u00efnstalled");
  EXPECT_EQ(boxes[0]["buttons"], json({"OK"}));
  EXPECT_EQ(BarsNamed(dump, kToolbar), 1);
  EXPECT_EQ(ControlIds(Bar(dump, kToolbar)), kIds);
}

TEST(CorelToolbar, BarNamedInOtherLetterCaseDoesNotCount) {
  CorelStation station;
  const std::string state = State(station, {{"orvan flatbed toolbar", kIds}});
  const json dump = station.run({"--state", state});
  EXPECT_EQ(BarsNamed(dump, "orvan flatbed toolbar"), 1);
  EXPECT_EQ(BarsNamed(dump, kToolbar), 1);
  EXPECT_EQ(ControlIds(Bar(dump, kToolbar)), kIds);
  EXPECT_EQ(ControlIds(Bar(dump, "orvan flatbed toolbar")), kIds);
}

struct IconVersionCase {
  const char* name;
  int version;
  const char* call;
};

class CorelIconCall : public ::testing::TestWithParam<IconVersionCase> {};

TEST_P(CorelIconCall, ByHostVersion) {
  CorelStation station;
  const json dump = station.run({"--version", std::to_string(GetParam().version)});
  for (const auto& c : Bar(dump, kToolbar)["controls"]) EXPECT_EQ(c["iconCall"], GetParam().call);
}

INSTANTIATE_TEST_SUITE_P(Versions, CorelIconCall,
                         ::testing::Values(IconVersionCase{"X7", 17, "SetIcon2"}, IconVersionCase{"X8", 18, "SetCustomIcon"},
                                           IconVersionCase{"X6", 16, "SetIcon2"},
                                           IconVersionCase{"V2022", 24, "SetCustomIcon"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CorelToolbar, HostPathWithoutProgramsFolderTakesIconsFromThePluginFolder) {
  CorelStation station("Corel\\Bin", "Corel\\Addons");
  const json dump = station.run({});
  const json bar = Bar(dump, kToolbar);
  ASSERT_FALSE(bar.is_null());
  EXPECT_EQ(bar["controls"][1]["icon"], station.pluginFolder() + "\\cutrix_16.ico");
  EXPECT_TRUE(dump["dialogs"].empty());
}

TEST(CorelToolbar, MissingIconEndsTheStartSilently) {
  CorelStation station;
  DeleteFileA((station.pluginFolder() + "\\cutout_16.ico").c_str());
  const json dump = station.run({});
  EXPECT_EQ(dump["session"]["startSession"], "0x00000000");
  EXPECT_TRUE(dump["dialogs"].empty());
  EXPECT_TRUE(dump["eventsAdvised"].empty());
  EXPECT_EQ(Bar(dump, kToolbar)["controls"].size(), 3u) << "the half-built bar stays";
}

struct LegacyCase {
  const char* name;
  std::vector<std::string> bars;
};

class CorelLegacyBars : public ::testing::TestWithParam<LegacyCase> {};

TEST_P(CorelLegacyBars, StartedEventDeletesScriboAndCutrix) {
  CorelStation station;
  std::vector<std::pair<std::string, std::vector<std::string>>> bars;
  for (const auto& name : GetParam().bars) bars.push_back({name, {"x"}});
  const json dump = station.run({"--state", State(station, bars), "--event", "started"});
  std::vector<std::string> left;
  for (const auto& b : dump["commandBars"]) left.push_back(b["name"]);
  std::vector<std::string> expected;
  for (const auto& name : GetParam().bars)
    if (name != "Scribo" && name != "Cutrix") expected.push_back(name);
  expected.push_back(kToolbar);
  EXPECT_EQ(left, expected);
  EXPECT_TRUE(dump["hostErrors"].empty()) << "no bar is looked up past the end";
}

INSTANTIATE_TEST_SUITE_P(
    Orders, CorelLegacyBars,
    ::testing::Values(LegacyCase{"ScriboThenCutrix", {"Standard", "Scribo", "Cutrix", "Toolbox"}},
                      LegacyCase{"CutrixThenScribo", {"Cutrix", "Scribo", "Standard"}},
                      LegacyCase{"ScriboLast", {"Standard", "Toolbox", "Scribo"}},
                      LegacyCase{"OtherCaseStays", {"scribo", "CUTRIX", "Standard"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Host errors during the start (silent) and the stop (shown)

class CorelStartFault : public ::testing::TestWithParam<const char*> {};

TEST_P(CorelStartFault, EndsTheStartSilentlyWithoutSubscription) {
  CorelStation station;
  const json dump = station.run({"--version", "16", "--fail", GetParam()});
  EXPECT_EQ(dump["session"]["startSession"], "0x00000000");
  EXPECT_TRUE(dump["dialogs"].empty());
  EXPECT_TRUE(dump["eventsAdvised"].empty());
  EXPECT_EQ(dump["eventsUnadvised"], json({0}));
  EXPECT_EQ(dump["session"]["release"], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CorelStartFault,
    ::testing::Values("Application.VersionMajor@1=0x80004005", "Application.Ready@1=0x80004005",
                      "Application.CommandBars@1=0x80004005", "CommandBars.Count@1=0x80004005",
                      "FrameWork.CommandBars@1=0x80004005", "CommandBars.Add@1=0x80004005",
                      "Application.AddPluginCommand@2=0x80004005", "CommandBars.Item@3=0x80004005",
                      "Controls.AddCustomButton@4=0x80004005", "Control.SetIcon2@1=0x80004005",
                      "CommandBar.Visible@1=0x80004005", "Application.AdviseEvents@1=0x80020009"),
    [](const auto& info) {
      std::string name = info.param;
      name = name.substr(0, name.find('='));
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

struct StopFaultCase {
  const char* name;
  const char* fault;
  size_t commandsLeft;
};

class CorelStopFault : public ::testing::TestWithParam<StopFaultCase> {};

TEST_P(CorelStopFault, IsShownWithTheHostDescription) {
  CorelStation station;
  const json dump = station.run({"--fail", GetParam().fault});
  const auto errors = Dialogs(dump, "Error");
  ASSERT_EQ(errors.size(), 1u);
  const std::string member = std::string(GetParam().fault).substr(0, std::string(GetParam().fault).find('@'));
  EXPECT_EQ(errors[0]["texts"][0], "Injected failure of " + member + " (call " +
                                       std::string(GetParam().fault).substr(member.size() + 1, 1) + ")");
  EXPECT_EQ(errors[0]["icon"], "error");
  EXPECT_EQ(dump["session"]["stopSession"], "0x00000000");
  EXPECT_EQ(dump["pluginCommands"].size(), GetParam().commandsLeft);
}

INSTANTIATE_TEST_SUITE_P(Steps, CorelStopFault,
                         ::testing::Values(StopFaultCase{"Unadvise", "Application.UnadviseEvents@1=0x80004005", 4},
                                           StopFaultCase{"SecondRemove", "Application.RemovePluginCommand@2=0x80004005", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvan::corel::test
