// Registration-mark frame of the CorelDRAW plug-in (Tablebar): every shape of the frame,
// in drawing order, in millimetres with y upward, as the host's shape calls take them.
//
// Usage:
//   auto frame = orvan::frame::BuildCorelFrame(box, withSquares);  // box: std::optional<CorelBox>
//   if (frame.status != orvan::frame::FrameStatus::Ok) { /* refuse, draw nothing */ }
//   for (const auto& e : frame.elements) {      // layer: e.layer ("Regmark" / "Cut Out Squares")
//     switch (e.kind) {
//       case ElementKind::Mark:     /* CreateEllipse2(e.ellipse.centerX, .centerY, .radius1,
//                                      .radius2, .startAngle, .endAngle, .pie) */
//       case ElementKind::Square:   /* CreateRectangle2(e.square.x, .y, .width, .height, 4 x .cornerRadius) */
//       case ElementKind::Triangle: /* regular polygon (e.polygon.centerX, .centerY, .radius, .sides,
//                                      .param1, .param2, .flag, .intParam) */
//       case ElementKind::Line:     /* CreateRectangle(e.line.left, .top, .right, .bottom, 4 x .cornerRadius) */
//     }
//     /* fill CMYK 0/0/0/100, outline width 0 */
//   }
#pragma once

#include <optional>
#include <vector>

#include "frame_types.h"

namespace orvan::frame {

// GetBoundingBox of the selection without outlines: lower-left corner, width, height.
struct CorelBox {
  double x = 0, y = 0, w = 0, h = 0;
};

struct CorelEllipse {  // CreateEllipse2
  double centerX = 0, centerY = 0, radius1 = 0, radius2 = 0, startAngle = 0, endAngle = 0;
  bool pie = false;
};

struct CorelSquare {  // CreateRectangle2: lower-left corner, size, four corner radii
  double x = 0, y = 0, width = 0, height = 0, cornerRadius = 0;
};

struct CorelLine {  // CreateRectangle: edges as computed (top lies below bottom), four corner radii
  double left = 0, top = 0, right = 0, bottom = 0, cornerRadius = 0;
};

struct CorelPolygon {  // the host's regular polygon
  double centerX = 0, centerY = 0, radius = 0;
  int sides = 0;
  double param1 = 0, param2 = 0;
  bool flag = false;
  int intParam = 0;
};

struct CorelElement {
  ElementKind kind = ElementKind::Mark;
  FrameLayer layer = FrameLayer::Regmark;
  CorelEllipse ellipse{};   // Mark
  CorelSquare square{};     // Square
  CorelPolygon polygon{};   // Triangle
  CorelLine line{};         // Line
};

struct CorelFrame {
  FrameStatus status = FrameStatus::NoArtwork;
  int marksPerColumn = 0;     // k + 2
  int marksPerRow = 0;        // m
  double columnSpacing = 0;   // D after halving, mm
  double rowSpacing = 0;      // E after halving, mm
  // Artwork narrower than 10 mm: the line's right edge lies left of its left edge; the host
  // receives the edges as computed.
  bool lineReversed = false;
  std::vector<CorelElement> elements;
};

// artwork: the selection's bounding box in millimetres; std::nullopt when the page has no shapes.
CorelFrame BuildCorelFrame(const std::optional<CorelBox>& artwork, bool withSquares);

}  // namespace orvan::frame
