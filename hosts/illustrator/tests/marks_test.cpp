// The registration-mark frame as it lands in the simulated Illustrator's document: positions from
// the worked examples, the spacing thresholds, squares, reruns, layers, selection and style.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "host_run.h"

using namespace orvan::aitest;

namespace {

using Box = std::array<double, 4>;  // left, top, right, bottom in mm

// A mark's square given by its lower-left corner in mm.
Box Square(double x, double y) { return {x, y + 5, x + 5, y}; }

std::vector<Box> SortedBounds(const std::vector<json>& paths) {
  std::vector<Box> out;
  for (const json& p : paths) out.push_back({p["bounds"][0], p["bounds"][1], p["bounds"][2], p["bounds"][3]});
  std::sort(out.begin(), out.end());
  return out;
}

void ExpectBoxes(std::vector<Box> expectedMm, const std::vector<json>& paths) {
  for (Box& b : expectedMm)
    for (double& v : b) v = Pt(v);
  std::sort(expectedMm.begin(), expectedMm.end());
  const auto actual = SortedBounds(paths);
  ASSERT_EQ(actual.size(), expectedMm.size());
  for (std::size_t i = 0; i < actual.size(); ++i)
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(actual[i][k], expectedMm[i][k], ThisEdition().tolerance) << "shape " << i;
}

}  // namespace

struct Example {
  const char* name;
  double right, top;  // artwork from (0, 0)
  std::vector<Box> marks;
  double triangleX, triangleY, lineLeft, lineRight;
};

class WorkedExample : public ::testing::TestWithParam<Example> {};

TEST_P(WorkedExample, MarksTriangleAndLineLieWhereTheLayoutPutsThem) {
  const Example& e = GetParam();
  const json artwork = BoxArtwork(0, e.top, e.right, 0);
  HostRun run = RunHost({"--run", ThisEdition().marks}, &artwork);
  const json& regmark = LayerOf(run.dump, "Regmark");
  ASSERT_TRUE(regmark.is_object());
  ExpectBoxes(e.marks, PathsOf(regmark, "oval"));

  const auto triangles = PathsOf(regmark, "polygon");
  ASSERT_EQ(triangles.size(), 1u);
  const json& v = triangles[0]["vertices"];
  ASSERT_EQ(v.size(), 3u);
  const double cx = (v[0][0].get<double>() + v[1][0].get<double>() + v[2][0].get<double>()) / 3;
  const double cy = (v[0][1].get<double>() + v[1][1].get<double>() + v[2][1].get<double>()) / 3;
  EXPECT_NEAR(cx, Pt(e.triangleX), ThisEdition().tolerance);
  EXPECT_NEAR(cy, Pt(e.triangleY), ThisEdition().tolerance);
  // The host's polygon starts pointing up; a quarter turn counter-clockwise makes it point left.
  EXPECT_NEAR(v[0][0].get<double>(), Pt(e.triangleX - 2.5), 1e-2);

  const auto lines = PathsOf(regmark, "rectangle");
  ASSERT_EQ(lines.size(), 1u);
  ExpectBoxes({{e.lineLeft, -12, e.lineRight, -13}}, lines);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WorkedExample,
    ::testing::Values(
        Example{"Box200x100",
                200, 100,
                {Square(-15, -15), Square(-15, 95), Square(210, 0), Square(210, 110)},
                -5, -12.5, -5, 90},
        Example{"Box1000x600",
                1000, 600,
                {Square(-15, -15), Square(-15, 290), Square(-15, 595), Square(1010, 0), Square(1010, 305),
                 Square(1010, 610), Square(237.5, -15), Square(490, -15), Square(742.5, -15), Square(252.5, 610),
                 Square(505, 610), Square(757.5, 610)},
                -5, -12.5, -5, 111.25}),
    [](const auto& info) { return std::string(info.param.name); });

struct Threshold {
  const char* name;
  double width, height;
  int perColumn, perRow;
};

class Spacing : public ::testing::TestWithParam<Threshold> {};

TEST_P(Spacing, MarkCountsFollowTheHalvingRule) {
  const Threshold& t = GetParam();
  const json artwork = BoxArtwork(0, t.height, t.width, 0);
  HostRun run = RunHost({"--run", ThisEdition().marks}, &artwork);
  const auto marks = PathsOf(LayerOf(run.dump, "Regmark"), "oval");
  int left = 0, bottomRow = 0;
  for (const json& m : marks) {
    if (std::abs(m["bounds"][2].get<double>() - Pt(-10)) < 1e-2) ++left;
    else if (std::abs(m["bounds"][3].get<double>() - Pt(-15)) < 1e-2) ++bottomRow;
  }
  EXPECT_EQ(left, t.perColumn);
  EXPECT_EQ(bottomRow, t.perRow);
  EXPECT_EQ(static_cast<int>(marks.size()), 2 * t.perColumn + 2 * t.perRow);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, Spacing,
                         ::testing::Values(Threshold{"High390", 100, 390, 2, 0}, Threshold{"High391", 100, 391, 3, 0},
                                           Threshold{"Wide1200", 1200, 100, 2, 3},
                                           Threshold{"Wide390", 390, 100, 2, 0}, Threshold{"Wide391", 391, 100, 2, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Marks, ArtworkNarrowerThanTenMillimetresGetsTheLineBetweenItsTwoValues) {
  const json artwork = BoxArtwork(0, 50, 5, 0);
  HostRun run = RunHost({"--run", ThisEdition().marks}, &artwork);
  // sh = 15 mm: the line runs from -15 + 7.5 = -7.5 to -5.
  ExpectBoxes({{-7.5, -12, -5, -13}}, PathsOf(LayerOf(run.dump, "Regmark"), "rectangle"));
}

TEST(Marks, SquaresLieExactlyOnEveryMarkOnTheirOwnLayerAbove) {
  const json artwork = BoxArtwork(0, 600, 1000, 0);
  HostRun run = RunHost({"--run", ThisEdition().marksWithSquares}, &artwork);
  const json& d = run.dump;
  ASSERT_GE(d["layers"].size(), 3u);
  EXPECT_EQ(d["layers"][0]["title"], "Cut Out Squares");
  EXPECT_EQ(d["layers"][1]["title"], "Regmark");
  const auto squares = PathsOf(LayerOf(d, "Cut Out Squares"));
  EXPECT_EQ(SortedBounds(squares), SortedBounds(PathsOf(LayerOf(d, "Regmark"), "oval")));
  for (const json& s : squares) EXPECT_EQ(s["kind"], "rectangle");
}

// Every shape is 100 % process black without stroke, both layers black and locked, nothing is
// selected and the layer that was current is current again.
TEST(Marks, LeaveBlackShapesLockedLayersNoSelectionAndTheCurrentLayer) {
  json artwork = BoxArtwork(0, 100, 200, 0);
  artwork["layers"][0]["art"][0]["selected"] = true;
  artwork["layers"].push_back({{"title", "Notes"}, {"art", {{{"kind", "oval"}, {"bounds", {0, 10, 10, 0}}}}}});
  artwork["current"] = "Notes";
  HostRun run = RunHost({"--run", ThisEdition().marksWithSquares}, &artwork);
  const json& d = run.dump;
  EXPECT_EQ(d["currentLayer"], "Notes");
  EXPECT_EQ(d["selection"], json::array());
  for (const char* title : {"Regmark", "Cut Out Squares"}) {
    const json& layer = LayerOf(d, title);
    ASSERT_TRUE(layer.is_object()) << title;
    EXPECT_EQ(layer["editable"], false) << title;
    EXPECT_EQ(layer["color"], json({0, 0, 0})) << title;
    for (const json& p : PathsOf(layer)) {
      EXPECT_EQ(p["fill"]["on"], true);
      EXPECT_EQ(p["fill"]["cmyk"], json({0.0, 0.0, 0.0, 1.0}));
      EXPECT_EQ(p["stroke"]["on"], false);
    }
  }
}

TEST(Marks, RunningTwiceGivesTheSameDocumentAsOnce) {
  const json artwork = BoxArtwork(0, 100, 200, 0);
  const auto& e = ThisEdition();
  HostRun once = RunHost({"--run", e.marksWithSquares}, &artwork);
  HostRun twice = RunHost({"--run", e.marksWithSquares, "--run", e.marksWithSquares}, &artwork);
  ASSERT_EQ(once.dump["layers"].size(), twice.dump["layers"].size());
  for (std::size_t i = 0; i < once.dump["layers"].size(); ++i) {
    EXPECT_EQ(once.dump["layers"][i]["title"], twice.dump["layers"][i]["title"]);
    EXPECT_EQ(SortedBounds(PathsOf(once.dump["layers"][i])), SortedBounds(PathsOf(twice.dump["layers"][i])));
  }
}

TEST(Marks, PlainCommandAfterSquaresLeavesTheOldSquaresLayer) {
  const json artwork = BoxArtwork(0, 100, 200, 0);
  const auto& e = ThisEdition();
  HostRun squares = RunHost({"--run", e.marksWithSquares}, &artwork);
  HostRun then = RunHost({"--run", e.marksWithSquares, "--run", e.marks}, &artwork);
  const json& d = then.dump;
  EXPECT_EQ(d["layers"][0]["title"], "Regmark");
  EXPECT_EQ(d["layers"][1]["title"], "Cut Out Squares");
  EXPECT_EQ(SortedBounds(PathsOf(LayerOf(d, "Cut Out Squares"))),
            SortedBounds(PathsOf(LayerOf(squares.dump, "Cut Out Squares"))));
  EXPECT_EQ(LayerOf(d, "Cut Out Squares")["editable"], false);
  int regmarkLayers = 0;
  for (const json& l : d["layers"]) regmarkLayers += l["title"] == "Regmark";
  EXPECT_EQ(regmarkLayers, 1);
}

// When the layer that was current is replaced by the command, its replacement is current: the
// host is never handed the deleted layer.
TEST(Marks, CurrentRegmarkLayerIsFollowedByItsReplacement) {
  const json artwork = BoxArtwork(0, 100, 200, 0);
  json withOldMarks = artwork;
  const json oldMarks = {{"title", "Regmark"}, {"art", json::array()}};
  withOldMarks["layers"].insert(withOldMarks["layers"].begin(), oldMarks);
  withOldMarks["current"] = "Regmark";
  HostRun run = RunHost({"--run", ThisEdition().marks}, &withOldMarks);
  EXPECT_EQ(run.dump["currentLayer"], "Regmark");
  EXPECT_EQ(PathsOf(LayerOf(run.dump, "Regmark"), "oval").size(), 4u);
}

struct Unmarkable {
  const char* name;
  const char* current;  // the layer current before the command
  const char* currentAfter;
};

class NothingSelectable : public ::testing::TestWithParam<Unmarkable> {};

TEST_P(NothingSelectable, GetsNoMarksAndAClearMessage) {
  json artwork = json::parse(R"({"layers": [
      {"title": "Locked", "editable": false, "art": [{"kind": "oval", "bounds": [0, 10, 10, 0]}]},
      {"title": "Work", "art": [{"kind": "oval", "bounds": [0, 10, 10, 0], "locked": true}]},
      {"title": "Regmark", "art": []}],
    "current": "Work"})");
  artwork["current"] = GetParam().current;
  HostRun run = RunHost({"--run", ThisEdition().marks}, &artwork);
  const json& d = run.dump;
  const auto go = MessagesOf(d, "AI Menu", "AI Go");
  ASSERT_EQ(go.size(), 1u);
  EXPECT_EQ(go[0]["result"], 0);
  ASSERT_EQ(go[0]["dialogs"].size(), 1u);
  EXPECT_EQ(go[0]["dialogs"][0]["caption"], "Warning");
  EXPECT_NE(go[0]["dialogs"][0]["texts"][0].get<std::string>().find("nothing in the document can be selected"),
            std::string::npos);
  EXPECT_TRUE(LayerOf(d, "Regmark").is_null());
  EXPECT_EQ(d["currentLayer"], GetParam().currentAfter);
}

// An earlier "Regmark" layer that was current is gone with the new one; the top layer is current.
INSTANTIATE_TEST_SUITE_P(Documents, NothingSelectable,
                         ::testing::Values(Unmarkable{"WorkLayerCurrent", "Work", "Work"},
                                           Unmarkable{"OldMarksCurrent", "Regmark", "Locked"}),
                         [](const auto& info) { return std::string(info.param.name); });
