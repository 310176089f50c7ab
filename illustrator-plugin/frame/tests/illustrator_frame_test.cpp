// Tests of the Illustrator frame: the worked layouts element by element, the spacing
// thresholds in both editions, single precision in the 32-bit edition, and refusals.
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "illustrator_frame.h"

namespace orvan::frame {
namespace {

constexpr double kMmPerPoint = 0.3528;

// The artwork box from millimetres, the way the host would hold it in each edition.
template <class Real>
std::optional<AiRect<Real>> BoxMm(double left, double bottom, double right, double top) {
  auto pt = [](double mm) { return MmToPoints<Real>(static_cast<Real>(mm)); };
  return AiRect<Real>{pt(left), pt(top), pt(right), pt(bottom)};
}

// One expected shape in millimetres. Triangle: left/top hold the polygon's centre before
// the quarter turn, right its radius.
struct Shape {
  ElementKind kind;
  FrameLayer layer;
  bool activates;
  double left, top, right, bottom;
};

constexpr auto M = ElementKind::Mark;
constexpr auto S = ElementKind::Square;
constexpr auto Tri = ElementKind::Triangle;
constexpr auto Ln = ElementKind::Line;
constexpr auto Reg = FrameLayer::Regmark;
constexpr auto Cut = FrameLayer::CutOutSquares;

template <class Real>
void ExpectShapes(const AiFrame<Real>& frame, const std::vector<Shape>& expected, double tolMm) {
  ASSERT_EQ(frame.status, FrameStatus::Ok);
  ASSERT_EQ(frame.elements.size(), expected.size());
  for (size_t n = 0; n < expected.size(); ++n) {
    SCOPED_TRACE("element " + std::to_string(n));
    const auto& e = frame.elements[n];
    const auto& x = expected[n];
    EXPECT_EQ(e.kind, x.kind);
    EXPECT_EQ(e.layer, x.layer);
    EXPECT_EQ(e.activatesLayer, x.activates);
    if (x.kind == Tri) {
      EXPECT_EQ(e.polygon.sides, 3);
      EXPECT_NEAR(e.polygon.centerX * kMmPerPoint, x.left, tolMm);
      EXPECT_NEAR(e.polygon.centerY * kMmPerPoint, x.top, tolMm);
      EXPECT_NEAR(e.polygon.radius * kMmPerPoint, x.right, tolMm);
      EXPECT_EQ(e.polygon.rotationDegrees, Real(90));
    } else {
      EXPECT_NEAR(e.rect.left * kMmPerPoint, x.left, tolMm);
      EXPECT_NEAR(e.rect.top * kMmPerPoint, x.top, tolMm);
      EXPECT_NEAR(e.rect.right * kMmPerPoint, x.right, tolMm);
      EXPECT_NEAR(e.rect.bottom * kMmPerPoint, x.bottom, tolMm);
    }
  }
}

TEST(IllustratorFrame, DoubleEditionUsesThePointConstants) {
  EXPECT_EQ(MmToPoints(5.0), 14.17233560090703);
  EXPECT_EQ(MmToPoints(10.0), 28.34467120181406);
  EXPECT_EQ(MmToPoints(400.0), 1133.7868480725624);
  EXPECT_EQ(MmToPoints(2.5), 7.086167800453515);
  EXPECT_EQ(MmToPoints(0.5), 1.417233560090703);
}

TEST(IllustratorFrame, SmallArtworkWithSquares) {
  const auto frame = BuildIllustratorFrame<double>(BoxMm<double>(0, 0, 200, 100), true);
  EXPECT_EQ(frame.marksPerColumn, 2);
  EXPECT_EQ(frame.marksPerRow, 0);
  ExpectShapes(frame,
               {
                   {M, Reg, true, -15, -10, -10, -15},
                   {M, Reg, false, 210, 5, 215, 0},
                   {S, Cut, true, -15, -10, -10, -15},
                   {S, Cut, false, 210, 5, 215, 0},
                   {M, Reg, true, -15, 100, -10, 95},
                   {M, Reg, false, 210, 115, 215, 110},
                   {S, Cut, true, -15, 100, -10, 95},
                   {S, Cut, false, 210, 115, 215, 110},
                   {Tri, Reg, true, -12.5, 5, 2.5, 0},
                   {Ln, Reg, false, -5, -12, 90, -13},
               },
               1e-9);
}

TEST(IllustratorFrame, LargeArtworkHalvesBothSpacings) {
  const auto frame = BuildIllustratorFrame<double>(BoxMm<double>(0, 0, 1000, 600), false);
  EXPECT_EQ(frame.marksPerColumn, 3);
  EXPECT_EQ(frame.marksPerRow, 3);
  EXPECT_NEAR(frame.columnSpacing * kMmPerPoint, 305, 1e-9);
  EXPECT_NEAR(frame.rowSpacing * kMmPerPoint, 252.5, 1e-9);
  ExpectShapes(frame,
               {
                   {M, Reg, true, -15, -10, -10, -15},
                   {M, Reg, false, 1010, 5, 1015, 0},
                   {M, Reg, true, -15, 295, -10, 290},
                   {M, Reg, false, 1010, 310, 1015, 305},
                   {M, Reg, true, -15, 600, -10, 595},
                   {M, Reg, false, 1010, 615, 1015, 610},
                   {M, Reg, true, 237.5, -10, 242.5, -15},
                   {M, Reg, false, 252.5, 615, 257.5, 610},
                   {M, Reg, true, 490, -10, 495, -15},
                   {M, Reg, false, 505, 615, 510, 610},
                   {M, Reg, true, 742.5, -10, 747.5, -15},
                   {M, Reg, false, 757.5, 615, 762.5, 610},
                   {Tri, Reg, true, -12.5, 5, 2.5, 0},
                   {Ln, Reg, false, -5, -12, 111.25, -13},
               },
               1e-9);
}

// Away from the origin, so that a swapped L and B or a lost sign shows.
TEST(IllustratorFrame, TriangleTurnsIntoTheBottomLeftBand) {
  const auto frame = BuildIllustratorFrame<double>(BoxMm<double>(30, -20, 230, 80), false);
  ASSERT_EQ(frame.status, FrameStatus::Ok);
  const auto& triangle = frame.elements[frame.elements.size() - 2];
  const auto& p = triangle.polygon;
  ASSERT_EQ(triangle.kind, Tri);
  EXPECT_NEAR(p.centerX * kMmPerPoint, -32.5, 1e-9);
  EXPECT_NEAR(p.centerY * kMmPerPoint, -25, 1e-9);
  EXPECT_NEAR(p.radius * kMmPerPoint, 2.5, 1e-9);
  // The counter-clockwise quarter turn (x' = -y, y' = x) lands on (L - 5, B - 12.5).
  const double turnedX = -p.centerY * kMmPerPoint, turnedY = p.centerX * kMmPerPoint;
  EXPECT_NEAR(turnedX, 30 - 5, 1e-9);
  EXPECT_NEAR(turnedY, -20 - 12.5, 1e-9);
  const auto& line = frame.elements.back().rect;
  EXPECT_NEAR(line.left * kMmPerPoint, 25, 1e-9);
  EXPECT_NEAR(line.right * kMmPerPoint, 15 + 105, 1e-9);
  EXPECT_NEAR(line.top * kMmPerPoint, -32, 1e-9);
  EXPECT_NEAR(line.bottom * kMmPerPoint, -33, 1e-9);
}

struct SpanCase {
  const char* name;
  double widthMm, heightMm;
  int perColumn, perRow;
  double columnSpacingMm, rowSpacingMm;
  bool lineReversed;
};

class IllustratorSpans : public ::testing::TestWithParam<SpanCase> {};

template <class Real>
void CheckSpans(const SpanCase& c, double tolMm) {
  const double L = -40, B = 25;  // any corner: only the extents matter
  const auto frame =
      BuildIllustratorFrame<Real>(BoxMm<Real>(L, B, L + c.widthMm, B + c.heightMm), true);
  ASSERT_EQ(frame.status, FrameStatus::Ok);
  EXPECT_EQ(frame.marksPerColumn, c.perColumn);
  EXPECT_EQ(frame.marksPerRow, c.perRow);
  EXPECT_NEAR(frame.columnSpacing * kMmPerPoint, c.columnSpacingMm, tolMm);
  EXPECT_NEAR(frame.rowSpacing * kMmPerPoint, c.rowSpacingMm, tolMm);
  EXPECT_EQ(frame.lineReversed, c.lineReversed);
  // Each mark has its square right behind it; the triangle and the line have none.
  ASSERT_EQ(frame.elements.size(), size_t(4 * (c.perColumn + c.perRow) + 2));
  for (size_t n = 0; n + 2 < frame.elements.size(); n += 4) {
    EXPECT_EQ(frame.elements[n + 2].rect.left, frame.elements[n].rect.left);
    EXPECT_EQ(frame.elements[n + 2].rect.top, frame.elements[n].rect.top);
    EXPECT_EQ(frame.elements[n + 3].rect.right, frame.elements[n + 1].rect.right);
    EXPECT_EQ(frame.elements[n + 3].rect.bottom, frame.elements[n + 1].rect.bottom);
  }
  // The left column ends at the artwork's top, the right column 15 mm above it.
  const size_t lastColumn = 4 * (c.perColumn - 1);
  EXPECT_NEAR(frame.elements[lastColumn].rect.top * kMmPerPoint, B + c.heightMm, tolMm);
  EXPECT_NEAR(frame.elements[lastColumn + 1].rect.top * kMmPerPoint, B + c.heightMm + 15, tolMm);
}

TEST_P(IllustratorSpans, DoubleEdition) { CheckSpans<double>(GetParam(), 1e-9); }
TEST_P(IllustratorSpans, FloatEdition) { CheckSpans<float>(GetParam(), 1e-3); }

INSTANTIATE_TEST_SUITE_P(
    Thresholds, IllustratorSpans,
    ::testing::Values(SpanCase{"High390", 200, 390, 2, 0, 400, 210, false},
                      SpanCase{"High391", 200, 391, 3, 0, 200.5, 210, false},
                      SpanCase{"Wide390", 390, 100, 2, 0, 110, 400, false},
                      SpanCase{"Wide391", 391, 100, 2, 1, 110, 200.5, false},
                      SpanCase{"Wide1200", 1200, 100, 2, 3, 110, 302.5, false},
                      SpanCase{"Wide12", 12, 100, 2, 0, 110, 22, false},
                      SpanCase{"Narrow8", 8, 100, 2, 0, 110, 18, true},
                      SpanCase{"High3190", 100, 3190, 9, 0, 400, 110, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A narrow artwork hands the host the line's values as computed, right of them left.
TEST(IllustratorFrame, NarrowArtworkLineKeepsItsValues) {
  const auto frame = BuildIllustratorFrame<double>(BoxMm<double>(0, 0, 8, 100), false);
  const auto& line = frame.elements.back().rect;
  EXPECT_NEAR(line.left * kMmPerPoint, -5, 1e-9);
  EXPECT_NEAR(line.right * kMmPerPoint, -6, 1e-9);
}

// Single precision shows in the very first mark: the float factor 0.3528f makes 5 mm
// 14.1723347 points where double precision rounded to float gives 14.1723356.
TEST(IllustratorFrame, FloatEditionComputesInSinglePrecision) {
  const auto atOrigin = BuildIllustratorFrame<float>(AiRect<float>{0, 0, 0, 0}, false);
  ASSERT_EQ(atOrigin.status, FrameStatus::Ok);
  const auto& right = atOrigin.elements[1].rect;  // R + 10 mm to R + 15 mm, B to B + 5 mm
  EXPECT_EQ(right.top, 14.1723347f);
  EXPECT_NE(right.top, static_cast<float>(5 / 0.3528));
  EXPECT_EQ(right.left, 28.3446693f);
  EXPECT_EQ(right.right, 42.5170059f);

  // Every step rounds to float on its own. Here the line's end lies one float step away
  // from the same sums taken in double (or x87 extended precision) and rounded once.
  const float L = 1070.724f, B = -523.5f, R = L + 300;
  volatile float factor = 0.3528f;
  const volatile float mm5 = 5.0f / factor, mm10 = 10.0f / factor, mm15 = 15.0f / factor;
  const auto away = BuildIllustratorFrame<float>(AiRect<float>{L, B + 100, R, B}, false);
  ASSERT_EQ(away.status, FrameStatus::Ok);
  const volatile float span = (R - L) + mm10;
  const volatile float lineStart = L - mm15;
  const volatile float lineEnd = lineStart + span * 0.5f;
  const double roundedOnce = (double(L) - mm15) + ((double(R) - L) + mm10) * 0.5;
  ASSERT_NE(lineEnd, static_cast<float>(roundedOnce));
  EXPECT_EQ(away.elements.back().rect.right, lineEnd);
  EXPECT_EQ(away.elements.back().rect.left, L - mm5);
}

struct RefusalCase {
  const char* name;
  std::optional<AiRect<double>> box;
  FrameStatus status;
};

class IllustratorRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(IllustratorRefusals, NoShapes) {
  const auto frame = BuildIllustratorFrame<double>(GetParam().box, true);
  EXPECT_EQ(frame.status, GetParam().status);
  EXPECT_TRUE(frame.elements.empty());
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// 16 halvings are the most: 400 mm * 2^16 of span still fits, a little more does not.
const double kLargestSpan = MmToPoints(400.0 * 65536) - MmToPoints(10.0);

INSTANTIATE_TEST_SUITE_P(
    Boxes, IllustratorRefusals,
    ::testing::Values(RefusalCase{"NoArtwork", std::nullopt, FrameStatus::NoArtwork},
                      RefusalCase{"NaNLeft", AiRect<double>{kNaN, 10, 10, 0}, FrameStatus::NotFinite},
                      RefusalCase{"InfiniteTop", AiRect<double>{0, kInf, 10, 0}, FrameStatus::NotFinite},
                      RefusalCase{"SpanOverflows", AiRect<double>{-1e308, 10, 1e308, 0}, FrameStatus::NotFinite},
                      RefusalCase{"TooManyHalvings", AiRect<double>{0, kLargestSpan * 1.001, 10, 0}, FrameStatus::TooLarge}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IllustratorFrame, LargestSpanStillDrawn) {
  const auto frame = BuildIllustratorFrame<double>(AiRect<double>{0, kLargestSpan, 10, 0}, false);
  ASSERT_EQ(frame.status, FrameStatus::Ok);
  EXPECT_EQ(frame.marksPerColumn, 65537);
}

TEST(IllustratorFrame, FloatSpanOverflowIsRefused) {
  const auto frame = BuildIllustratorFrame<float>(AiRect<float>{-3e38f, 10, 3e38f, 0}, false);
  EXPECT_EQ(frame.status, FrameStatus::NotFinite);
}

}  // namespace
}  // namespace orvan::frame
