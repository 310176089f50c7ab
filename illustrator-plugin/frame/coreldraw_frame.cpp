// Builds the CorelDRAW frame in millimetres: the bands lie 5 mm closer to the artwork than
// in Illustrator and the right column and top row are shifted by 10 mm instead of 15 mm.
#include "coreldraw_frame.h"

#include <initializer_list>
#include <utility>

#include "halving.h"

namespace orvan::frame {

namespace {

constexpr double kRadius = 2.5;        // mark radius, half a square's side, triangle radius
constexpr double kColumnOffset = 12.5; // column centres left and right of the box
constexpr double kBandOffset = 7.5;    // bottom and top band centres outside the box
constexpr double kTopInset = 2.5;      // highest left mark centre below the top edge; the row
                                       // span ends as far left of the right edge
constexpr double kShift = 10;          // right column upward, top row to the right
constexpr double kMaxSpacing = 400;
constexpr double kHalfLine = 0.5;

void AddPair(CorelFrame& frame, double x1, double y1, double x2, double y2, bool withSquares) {
  for (auto [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
    CorelElement mark{ElementKind::Mark, FrameLayer::Regmark};
    mark.ellipse = {x, y, kRadius, 0, 0, 360, false};
    frame.elements.push_back(mark);
  }
  if (!withSquares) return;
  for (auto [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
    CorelElement square{ElementKind::Square, FrameLayer::CutOutSquares};
    square.square = {x - kRadius, y - kRadius, 2 * kRadius, 2 * kRadius, 0};
    frame.elements.push_back(square);
  }
}

}  // namespace

CorelFrame BuildCorelFrame(const std::optional<CorelBox>& artwork, bool withSquares) {
  CorelFrame frame;
  if (!artwork) return frame;
  const double x = artwork->x, y = artwork->y, w = artwork->w, h = artwork->h;

  const double XL = x - kColumnOffset;
  const double XR = x + w + kColumnOffset;
  const double YB = y - kBandOffset;
  const double YT = y + h + kBandOffset;
  const double verticalSpan = (y + h - kTopInset) - YB;
  const double horizontalSpan = (x + w - kTopInset) - XL;
  if (!detail::AllFinite(x, y, w, h, XR, YT, verticalSpan, horizontalSpan)) {
    frame.status = FrameStatus::NotFinite;
    return frame;
  }
  if (!detail::PlanSpacings(frame, verticalSpan, horizontalSpan, kMaxSpacing)) return frame;
  const double D = frame.columnSpacing, E = frame.rowSpacing;

  for (int i = 0; i < frame.marksPerColumn; ++i)
    AddPair(frame, XL, YB + i * D, XR, YB + kShift + i * D, withSquares);
  for (int j = 1; j <= frame.marksPerRow; ++j)
    AddPair(frame, XL + j * E, YB, XL + kShift + j * E, YT, withSquares);

  CorelElement triangle{ElementKind::Triangle, FrameLayer::Regmark};
  triangle.polygon = {XL + kShift, YB, kRadius, 3, 90, 0, false, 0};
  frame.elements.push_back(triangle);

  CorelElement line{ElementKind::Line, FrameLayer::Regmark};
  line.line = {XL + kShift, YB - kHalfLine, XL + E / 2, YB + kHalfLine, 0};
  frame.elements.push_back(line);
  frame.lineReversed = line.line.right < line.line.left;
  return frame;
}

}  // namespace orvan::frame
