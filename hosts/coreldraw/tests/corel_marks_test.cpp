// The two mark commands of Tablebar.cpg in the simulated CorelDRAW: the frame in millimetres
// whatever the document's unit, the layers, the style of every shape, one undo step, and what
// a host error half-way leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "corel_station.h"

namespace orvan::corel::test {
namespace {

using nlohmann::json;
using Point = std::pair<double, double>;

std::vector<Point> Centres(const json& layer, const std::string& kind) {
  std::vector<Point> out;
  for (const auto& s : layer["shapes"])
    if (s["kind"] == kind) {
      const auto& b = s["box"];
      out.push_back({b["x"].get<double>() + b["w"].get<double>() / 2, b["y"].get<double>() + b["h"].get<double>() / 2});
    }
  std::sort(out.begin(), out.end());
  return out;
}

void ExpectPoints(std::vector<Point> actual, std::vector<Point> expected) {
  std::sort(expected.begin(), expected.end());
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) {
    EXPECT_NEAR(actual[i].first, expected[i].first, 1e-6) << i;
    EXPECT_NEAR(actual[i].second, expected[i].second, 1e-6) << i;
  }
}

json RunMarks(CorelStation& station, const json& artwork, std::vector<std::string> commands) {
  std::vector<std::string> args = {"--doc", station.artwork(artwork)};
  for (const auto& c : commands) args.insert(args.end(), {"--event", "command:" + c});
  return station.run(args);
}

TEST(CorelMarks, FirstWorkedExample) {
  CorelStation station;
  const json dump = RunMarks(station, Artwork({Rectangle(0, 0, 200, 100)}), {"SetCutrixMarkers"});
  const json regmark = FindLayer(dump, "Regmark");
  ASSERT_FALSE(regmark.is_null());
  ExpectPoints(Centres(regmark, "ellipse"), {{-12.5, -7.5}, {-12.5, 97.5}, {212.5, 2.5}, {212.5, 107.5}});
  for (const auto& s : regmark["shapes"]) {
    if (s["kind"] == "polygon") {
      EXPECT_DOUBLE_EQ(s["call"]["centerX"], -2.5);
      EXPECT_DOUBLE_EQ(s["call"]["centerY"], -7.5);
      EXPECT_DOUBLE_EQ(s["call"]["radius"], 2.5);
      EXPECT_EQ(s["call"]["sides"], 3);
      EXPECT_EQ(s["call"]["angle"], 90);
    }
    if (s["kind"] == "rectangle") {
      EXPECT_NEAR(s["box"]["x"], -2.5, 1e-9);
      EXPECT_NEAR(s["box"]["w"], 95.0, 1e-9);
      EXPECT_NEAR(s["box"]["y"], -8.0, 1e-9);
      EXPECT_NEAR(s["box"]["h"], 1.0, 1e-9);
    }
    if (s["kind"] == "ellipse") EXPECT_NEAR(s["box"]["w"], 5.0, 1e-9);
  }
  EXPECT_TRUE(FindLayer(dump, "Cut Out Squares").is_null());
}

TEST(CorelMarks, SecondWorkedExampleWithSquares) {
  CorelStation station;
  const json dump = RunMarks(station, Artwork({Rectangle(0, 0, 1000, 600)}), {"SetCutrixMarkersAndSquares"});
  const std::vector<Point> marks = {{-12.5, -7.5}, {-12.5, 295},   {-12.5, 597.5}, {1012.5, 2.5}, {1012.5, 305},
                                    {1012.5, 607.5}, {240, -7.5},  {492.5, -7.5},  {745, -7.5},   {250, 607.5},
                                    {502.5, 607.5},  {755, 607.5}};
  ExpectPoints(Centres(FindLayer(dump, "Regmark"), "ellipse"), marks);
  ExpectPoints(Centres(FindLayer(dump, "Cut Out Squares"), "rectangle"), marks);
  for (const auto& s : FindLayer(dump, "Regmark")["shapes"])
    if (s["kind"] == "rectangle") EXPECT_NEAR(s["call"]["right"], 113.75, 1e-9);
}

struct ThresholdCase {
  const char* name;
  double w, h;
  size_t perColumn, perRow;
};

class CorelMarkThresholds : public ::testing::TestWithParam<ThresholdCase> {};

TEST_P(CorelMarkThresholds, MarkCounts) {
  CorelStation station;
  const auto& c = GetParam();
  const json dump = RunMarks(station, Artwork({Rectangle(10, 20, c.w, c.h)}), {"SetCutrixMarkers"});
  const auto marks = Centres(FindLayer(dump, "Regmark"), "ellipse");
  EXPECT_EQ(marks.size(), 2 * c.perColumn + 2 * c.perRow);
  const size_t left = size_t(std::count_if(marks.begin(), marks.end(), [](const Point& p) { return p.first == 10 - 12.5; }));
  EXPECT_EQ(left, c.perColumn);
}

INSTANTIATE_TEST_SUITE_P(Spans, CorelMarkThresholds,
                         ::testing::Values(ThresholdCase{"High395", 100, 395, 2, 0}, ThresholdCase{"High396", 100, 396, 3, 0},
                                           ThresholdCase{"Wide390", 390, 100, 2, 0}, ThresholdCase{"Wide391", 391, 100, 2, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CorelMarks, Wide391PutsOneMarkInEachRow) {
  CorelStation station;
  const json dump = RunMarks(station, Artwork({Rectangle(0, 0, 391, 100)}), {"SetCutrixMarkers"});
  const auto marks = Centres(FindLayer(dump, "Regmark"), "ellipse");
  EXPECT_NE(std::find(marks.begin(), marks.end(), Point{-12.5 + 200.5, -7.5}), marks.end());
  EXPECT_NE(std::find(marks.begin(), marks.end(), Point{-2.5 + 200.5, 107.5}), marks.end());
}

TEST(CorelMarks, NarrowArtworkGivesTheLineEdgesAsComputed) {
  CorelStation station;
  const json dump = RunMarks(station, Artwork({Rectangle(0, 0, 4, 50)}), {"SetCutrixMarkers"});
  for (const auto& s : FindLayer(dump, "Regmark")["shapes"])
    if (s["kind"] == "rectangle") {
      EXPECT_DOUBLE_EQ(s["call"]["left"], -2.5);
      EXPECT_DOUBLE_EQ(s["call"]["right"], -5.5);
    }
  EXPECT_TRUE(dump["dialogs"].empty());
}

TEST(CorelMarks, TwiceGivesTheSamePageAsOnceAndPlainRemovesSquares) {
  CorelStation once, twice;
  const json artwork = Artwork({Rectangle(5, 5, 300, 200)});
  const json a = RunMarks(once, artwork, {"SetCutrixMarkers"});
  const json b = RunMarks(twice, artwork, {"SetCutrixMarkersAndSquares", "SetCutrixMarkers", "SetCutrixMarkers"});
  EXPECT_EQ(Centres(FindLayer(a, "Regmark"), "ellipse"), Centres(FindLayer(b, "Regmark"), "ellipse"));
  EXPECT_EQ(FindLayer(a, "Regmark")["shapes"].size(), FindLayer(b, "Regmark")["shapes"].size());
  EXPECT_TRUE(FindLayer(b, "Cut Out Squares").is_null());
  int regmarkLayers = 0;
  for (const auto& l : b["documents"][0]["pages"][0]["layers"]) regmarkLayers += l["name"] == "Regmark";
  EXPECT_EQ(regmarkLayers, 1);
}

class CorelMarkUnits : public ::testing::TestWithParam<long> {};

TEST_P(CorelMarkUnits, SameMarksInMillimetresAndTheDocumentAsItWas) {
  CorelStation station;
  const json dump = RunMarks(station, Artwork({Rectangle(0, 0, 200, 100)}, GetParam()), {"SetCutrixMarkersAndSquares"});
  ExpectPoints(Centres(FindLayer(dump, "Regmark"), "ellipse"), {{-12.5, -7.5}, {-12.5, 97.5}, {212.5, 2.5}, {212.5, 107.5}});
  const json& doc = dump["documents"][0];
  EXPECT_EQ(doc["unit"], GetParam());
  EXPECT_EQ(doc["referencePoint"], 5);
  EXPECT_EQ(doc["activeLayer"], "Layer 1");
  EXPECT_TRUE(doc["pages"][0]["guidesLayer"]["editable"]);
  EXPECT_TRUE(doc["masterPage"]["guidesLayer"]["editable"]);
}

INSTANTIATE_TEST_SUITE_P(Units, CorelMarkUnits, ::testing::Values(1L, 3L, 4L, 14L),
                         [](const auto& info) { return "Unit" + std::to_string(info.param); });

TEST(CorelMarks, EveryShapeBlackWithoutOutlineOnLockedBlackLayersInOneUndoStep) {
  CorelStation station;
  const json dump = RunMarks(station, Artwork({Rectangle(0, 0, 500, 450)}), {"SetCutrixMarkersAndSquares"});
  for (const char* name : {"Regmark", "Cut Out Squares"}) {
    const json layer = FindLayer(dump, name);
    ASSERT_FALSE(layer.is_null()) << name;
    EXPECT_TRUE(layer["visible"]);
    EXPECT_FALSE(layer["editable"]);
    EXPECT_EQ(layer["color"], json({0, 0, 0}));
    for (const auto& s : layer["shapes"]) {
      EXPECT_EQ(s["fill"]["cmyk"], json({0, 0, 0, 100})) << s.dump();
      EXPECT_EQ(s["outline"], 0.0) << s.dump();
    }
  }
  const json& doc = dump["documents"][0];
  EXPECT_EQ(doc["commandGroups"], json::parse(R"([{"name":"Set Cutrix regmarkers and cut out squares","closed":true}])"));
  EXPECT_EQ(doc["selection"].size(), 1u) << "all shapes of the page stay selected";
  EXPECT_TRUE(dump["dialogs"].empty());
}

TEST(CorelMarks, PlainCommandGroupIsNamedAfterItsTooltip) {
  CorelStation station;
  const json dump = RunMarks(station, Artwork({Rectangle(0, 0, 50, 50)}), {"SetCutrixMarkers"});
  EXPECT_EQ(dump["documents"][0]["commandGroups"], json::parse(R"([{"name":"Add Cutrix regmarks","closed":true}])"));
}

TEST(CorelMarks, ActiveMarkLayerOfAnEarlierRunStaysActiveAfterItsReplacement) {
  CorelStation station;
  json artwork = Artwork({Rectangle(0, 0, 200, 100)});
  artwork["pages"][0]["layers"].push_back(
      {{"name", "Regmark"}, {"shapes", json::array({{{"kind", "ellipse"}, {"cx", 900}, {"cy", 900}, {"rx", 2.5}}})}});
  artwork["activeLayer"] = "Regmark";
  const json dump = RunMarks(station, artwork, {"SetCutrixMarkers"});
  EXPECT_TRUE(dump["dialogs"].empty());
  EXPECT_EQ(dump["documents"][0]["activeLayer"], "Regmark");
  ExpectPoints(Centres(FindLayer(dump, "Regmark"), "ellipse"), {{-12.5, -7.5}, {-12.5, 97.5}, {212.5, 2.5}, {212.5, 107.5}});
}

TEST(CorelMarks, EmptyActivePageIsRefusedAndLeftAsItWas) {
  CorelStation station;
  json artwork = Artwork({Rectangle(0, 0, 50, 50)});
  artwork["pages"].push_back({{"width", 100}, {"height", 100}});
  artwork["activePage"] = 2;
  const json dump = station.run({"--doc", station.artwork(artwork), "--event", "selection", "--event",
                                 "query:SetCutrixMarkers", "--event", "command:SetCutrixMarkers"});
  EXPECT_EQ(dump["session"]["events"][1]["written"], 1) << "the document holds shapes elsewhere";
  const auto warnings = Dialogs(dump, "Warning");
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_TRUE(FindLayer(dump, "Regmark").is_null());
  const json& doc = dump["documents"][0];
  EXPECT_TRUE(doc["commandGroups"].empty());
  EXPECT_EQ(doc["unit"], 1);
}

struct MarkFaultCase {
  const char* name;
  const char* fault;
};

class CorelMarkFault : public ::testing::TestWithParam<MarkFaultCase> {};

TEST_P(CorelMarkFault, IsShownAndTheDocumentSettingsComeBack) {
  CorelStation station;
  const json dump = station.run({"--doc", station.artwork(Artwork({Rectangle(0, 0, 200, 100)})), "--fail",
                                 GetParam().fault, "--event", "command:SetCutrixMarkersAndSquares"});
  const auto errors = Dialogs(dump, "Error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]["texts"][0].get<std::string>().rfind("Injected failure of ", 0), 0u);
  const json& doc = dump["documents"][0];
  EXPECT_EQ(doc["openCommandGroups"], 0);
  EXPECT_EQ(doc["unit"], 1);
  EXPECT_EQ(doc["referencePoint"], 5);
  EXPECT_EQ(doc["activeLayer"], "Layer 1");
  EXPECT_TRUE(doc["pages"][0]["guidesLayer"]["editable"]);
  EXPECT_TRUE(doc["masterPage"]["guidesLayer"]["editable"]);
  EXPECT_EQ(dump["session"]["events"][0]["results"][0], "0x00000000");
}

INSTANTIATE_TEST_SUITE_P(Steps, CorelMarkFault,
                         ::testing::Values(MarkFaultCase{"CreateLayer", "Page.CreateLayer@2=0x80004005"},
                                           MarkFaultCase{"Measure", "Selection.GetBoundingBox@1=0x80004005"},
                                           MarkFaultCase{"ThirdMark", "Layer.CreateEllipse2@3=0x80004005"},
                                           MarkFaultCase{"Style", "Color.CMYKAssign@5=0x80004005"},
                                           MarkFaultCase{"Triangle", "Layer.CreatePolygon2@1=0x80004005"},
                                           MarkFaultCase{"ActivateBack", "Layer.Activate@1=0x80004005"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CorelMarks, LayerLookupErrorIsShownAsIdAndTheCommandGoesOn) {
  CorelStation station;
  const json dump = station.run({"--doc", station.artwork(Artwork({Rectangle(0, 0, 200, 100)})), "--fail",
                                 "Layers.Find@3=0x80004005", "--event", "command:SetCutrixMarkers"});
  const auto boxes = Dialogs(dump, "ID");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0]["texts"][0].get<std::string>().rfind("Error: ", 0), 0u);
  EXPECT_EQ(Centres(FindLayer(dump, "Regmark"), "ellipse").size(), 4u);
}

}  // namespace
}  // namespace orvan::corel::test
