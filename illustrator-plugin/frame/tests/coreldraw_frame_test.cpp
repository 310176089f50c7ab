// Tests of the CorelDRAW frame: the worked layouts element by element with the host-call
// arguments, the spacing thresholds, the narrow line and refusals.
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "coreldraw_frame.h"

namespace orvan::frame {
namespace {

// One expected shape: a mark or triangle by its centre, a square by its lower-left corner,
// the line by left, top, right, bottom.
struct Shape {
  ElementKind kind;
  FrameLayer layer;
  double a, b, c = 0, d = 0;
};

constexpr auto M = ElementKind::Mark;
constexpr auto S = ElementKind::Square;
constexpr auto Tri = ElementKind::Triangle;
constexpr auto Ln = ElementKind::Line;
constexpr auto Reg = FrameLayer::Regmark;
constexpr auto Cut = FrameLayer::CutOutSquares;
constexpr double kTol = 1e-9;

void ExpectShapes(const CorelFrame& frame, const std::vector<Shape>& expected) {
  ASSERT_EQ(frame.status, FrameStatus::Ok);
  ASSERT_EQ(frame.elements.size(), expected.size());
  for (size_t n = 0; n < expected.size(); ++n) {
    SCOPED_TRACE("element " + std::to_string(n));
    const auto& e = frame.elements[n];
    const auto& x = expected[n];
    ASSERT_EQ(e.kind, x.kind);
    EXPECT_EQ(e.layer, x.layer);
    switch (x.kind) {
      case M:
        EXPECT_NEAR(e.ellipse.centerX, x.a, kTol);
        EXPECT_NEAR(e.ellipse.centerY, x.b, kTol);
        EXPECT_EQ(e.ellipse.radius1, 2.5);
        EXPECT_EQ(e.ellipse.radius2, 0);
        EXPECT_EQ(e.ellipse.startAngle, 0);
        EXPECT_EQ(e.ellipse.endAngle, 360);
        EXPECT_FALSE(e.ellipse.pie);
        break;
      case S:
        EXPECT_NEAR(e.square.x, x.a, kTol);
        EXPECT_NEAR(e.square.y, x.b, kTol);
        EXPECT_EQ(e.square.width, 5);
        EXPECT_EQ(e.square.height, 5);
        EXPECT_EQ(e.square.cornerRadius, 0);
        break;
      case Tri:
        EXPECT_NEAR(e.polygon.centerX, x.a, kTol);
        EXPECT_NEAR(e.polygon.centerY, x.b, kTol);
        EXPECT_EQ(e.polygon.radius, 2.5);
        EXPECT_EQ(e.polygon.sides, 3);
        EXPECT_EQ(e.polygon.param1, 90);
        EXPECT_EQ(e.polygon.param2, 0);
        EXPECT_FALSE(e.polygon.flag);
        EXPECT_EQ(e.polygon.intParam, 0);
        break;
      case Ln:
        EXPECT_NEAR(e.line.left, x.a, kTol);
        EXPECT_NEAR(e.line.top, x.b, kTol);
        EXPECT_NEAR(e.line.right, x.c, kTol);
        EXPECT_NEAR(e.line.bottom, x.d, kTol);
        EXPECT_EQ(e.line.cornerRadius, 0);
        break;
    }
  }
}

TEST(CorelFrame, SmallArtworkWithSquares) {
  const auto frame = BuildCorelFrame(CorelBox{0, 0, 200, 100}, true);
  EXPECT_EQ(frame.marksPerColumn, 2);
  EXPECT_EQ(frame.marksPerRow, 0);
  ExpectShapes(frame, {
                          {M, Reg, -12.5, -7.5},
                          {M, Reg, 212.5, 2.5},
                          {S, Cut, -15, -10},
                          {S, Cut, 210, 0},
                          {M, Reg, -12.5, 97.5},
                          {M, Reg, 212.5, 107.5},
                          {S, Cut, -15, 95},
                          {S, Cut, 210, 105},
                          {Tri, Reg, -2.5, -7.5},
                          // Top lies below bottom, as the host receives it.
                          {Ln, Reg, -2.5, -8, 92.5, -7},
                      });
}

TEST(CorelFrame, LargeArtworkHalvesBothSpacings) {
  const auto frame = BuildCorelFrame(CorelBox{0, 0, 1000, 600}, false);
  EXPECT_EQ(frame.marksPerColumn, 3);
  EXPECT_EQ(frame.marksPerRow, 3);
  EXPECT_EQ(frame.columnSpacing, 302.5);
  EXPECT_EQ(frame.rowSpacing, 252.5);
  ExpectShapes(frame, {
                          {M, Reg, -12.5, -7.5},
                          {M, Reg, 1012.5, 2.5},
                          {M, Reg, -12.5, 295},
                          {M, Reg, 1012.5, 305},
                          {M, Reg, -12.5, 597.5},
                          {M, Reg, 1012.5, 607.5},
                          {M, Reg, 240, -7.5},
                          {M, Reg, 250, 607.5},
                          {M, Reg, 492.5, -7.5},
                          {M, Reg, 502.5, 607.5},
                          {M, Reg, 745, -7.5},
                          {M, Reg, 755, 607.5},
                          {Tri, Reg, -2.5, -7.5},
                          {Ln, Reg, -2.5, -8, 113.75, -7},
                      });
}

// Away from the origin, so that a swapped x and y or a lost offset shows.
TEST(CorelFrame, FollowsTheBoxCorner) {
  const auto frame = BuildCorelFrame(CorelBox{30, -20, 391, 50}, true);
  EXPECT_EQ(frame.marksPerRow, 1);
  ExpectShapes(frame, {
                          {M, Reg, 17.5, -27.5},
                          {M, Reg, 433.5, -17.5},
                          {S, Cut, 15, -30},
                          {S, Cut, 431, -20},
                          {M, Reg, 17.5, 27.5},
                          {M, Reg, 433.5, 37.5},
                          {S, Cut, 15, 25},
                          {S, Cut, 431, 35},
                          {M, Reg, 17.5 + 200.5, -27.5},
                          {M, Reg, 27.5 + 200.5, 37.5},
                          {S, Cut, 15 + 200.5, -30},
                          {S, Cut, 25 + 200.5, 35},
                          {Tri, Reg, 27.5, -27.5},
                          {Ln, Reg, 27.5, -28, 17.5 + 100.25, -27},
                      });
}

struct SpanCase {
  const char* name;
  double w, h;
  int perColumn, perRow;
  double columnSpacing, rowSpacing;
  bool lineReversed;
};

class CorelSpans : public ::testing::TestWithParam<SpanCase> {};

TEST_P(CorelSpans, CountsAndSpacings) {
  const auto& c = GetParam();
  const auto frame = BuildCorelFrame(CorelBox{-40, 25, c.w, c.h}, false);
  ASSERT_EQ(frame.status, FrameStatus::Ok);
  EXPECT_EQ(frame.marksPerColumn, c.perColumn);
  EXPECT_EQ(frame.marksPerRow, c.perRow);
  EXPECT_NEAR(frame.columnSpacing, c.columnSpacing, kTol);
  EXPECT_NEAR(frame.rowSpacing, c.rowSpacing, kTol);
  EXPECT_EQ(frame.lineReversed, c.lineReversed);
  ASSERT_EQ(frame.elements.size(), size_t(2 * (c.perColumn + c.perRow) + 2));
  // The left column's highest centre lies 2.5 below the top edge, the right one 10 above it.
  const auto& topLeft = frame.elements[2 * (c.perColumn - 1)].ellipse;
  const auto& topRight = frame.elements[2 * (c.perColumn - 1) + 1].ellipse;
  EXPECT_NEAR(topLeft.centerY, 25 + c.h - 2.5, kTol);
  EXPECT_NEAR(topRight.centerY, 25 + c.h + 7.5, kTol);
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, CorelSpans,
    ::testing::Values(SpanCase{"High395", 200, 395, 2, 0, 400, 210, false},
                      SpanCase{"High396", 200, 396, 3, 0, 200.5, 210, false},
                      SpanCase{"Wide390", 390, 100, 2, 0, 105, 400, false},
                      SpanCase{"Wide391", 391, 100, 2, 1, 105, 200.5, false},
                      SpanCase{"Wide1200", 1200, 100, 2, 3, 105, 302.5, false},
                      SpanCase{"Wide10", 10, 100, 2, 0, 105, 20, false},
                      SpanCase{"Narrow8", 8, 100, 2, 0, 105, 18, true},
                      SpanCase{"High3195", 100, 3195, 9, 0, 400, 110, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Narrow artwork: the host receives the line's edges as computed, right of them left.
TEST(CorelFrame, NarrowArtworkLineKeepsItsEdges) {
  const auto frame = BuildCorelFrame(CorelBox{0, 0, 8, 100}, false);
  const auto& line = frame.elements.back().line;
  EXPECT_EQ(line.left, -2.5);
  EXPECT_EQ(line.right, -3.5);
}

struct RefusalCase {
  const char* name;
  std::optional<CorelBox> box;
  FrameStatus status;
};

class CorelRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CorelRefusals, NoShapes) {
  const auto frame = BuildCorelFrame(GetParam().box, true);
  EXPECT_EQ(frame.status, GetParam().status);
  EXPECT_TRUE(frame.elements.empty());
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Boxes, CorelRefusals,
    ::testing::Values(RefusalCase{"EmptyPage", std::nullopt, FrameStatus::NoArtwork},
                      RefusalCase{"NaNWidth", CorelBox{0, 0, kNaN, 10}, FrameStatus::NotFinite},
                      RefusalCase{"InfiniteY", CorelBox{0, -kInf, 10, 10}, FrameStatus::NotFinite},
                      RefusalCase{"EdgeOverflows", CorelBox{1e308, 0, 1e308, 10}, FrameStatus::NotFinite},
                      // 16 halvings at most: 400 * 2^16 of span still fits, a little more does not.
                      RefusalCase{"TooManyHalvings", CorelBox{0, 0, 400.0 * 65536 - 10 + 1, 10},
                                  FrameStatus::TooLarge}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CorelFrame, LargestSpanStillDrawn) {
  const auto frame = BuildCorelFrame(CorelBox{0, 0, 400.0 * 65536 - 10, 10}, false);
  ASSERT_EQ(frame.status, FrameStatus::Ok);
  EXPECT_EQ(frame.marksPerRow, 65535);
  EXPECT_EQ(frame.rowSpacing, 400);
}

}  // namespace
}  // namespace orvan::frame
