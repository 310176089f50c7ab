// Registration-mark frame of the Illustrator plug-ins (MarkwellCC and MarkwellCS1):
// every shape of the frame, in drawing order, in document points with y upward.
//
// Usage (Real = double for MarkwellCC, float for MarkwellCS1):
//   auto frame = orvan::frame::BuildIllustratorFrame<double>(box, withSquares);  // box: std::optional
//   if (frame.status != orvan::frame::FrameStatus::Ok) { /* refuse, draw nothing */ }
//   for (const auto& e : frame.elements) {
//     if (e.activatesLayer) { /* make e.layer current and its marks group the insertion point */ }
//     switch (e.kind) {
//       case ElementKind::Mark:     /* NewOval(e.rect.top, e.rect.left, e.rect.bottom, e.rect.right) */
//       case ElementKind::Square:
//       case ElementKind::Line:     /* NewRect(e.rect.top, e.rect.left, e.rect.bottom, e.rect.right) */
//       case ElementKind::Triangle: /* NewRegularPolygon(e.polygon.sides, e.polygon.centerX,
//                                      e.polygon.centerY, e.polygon.radius, reversed false), then
//                                      rotate by e.polygon.rotationDegrees about the origin */
//     }
//     /* SetMarkStyle */
//   }
#pragma once

#include <optional>
#include <vector>

#include "frame_types.h"

namespace orvan::frame {

// A rectangle as the host passes it: top lies above bottom (y grows upward).
template <class Real>
struct AiRect {
  Real left{}, top{}, right{}, bottom{};
};

// The host's regular polygon before the quarter turn: NewRegularPolygon(sides, centerX,
// centerY, radius), then a rotation matrix of rotationDegrees (counter-clockwise) about
// the coordinate origin, applied with line scale 1.
template <class Real>
struct AiPolygon {
  int sides = 0;
  Real centerX{}, centerY{}, radius{};
  Real rotationDegrees{};
};

template <class Real>
struct AiElement {
  ElementKind kind = ElementKind::Mark;
  FrameLayer layer = FrameLayer::Regmark;
  // True where the plug-in makes the layer current and its marks group the insertion point
  // before creating this shape: the first shape of every column, row and squares step, and
  // the triangle. The line follows the triangle without a switch.
  bool activatesLayer = false;
  AiRect<Real> rect{};         // Mark (oval inscribed), Square, Line
  AiPolygon<Real> polygon{};   // Triangle only
};

template <class Real>
struct AiFrame {
  FrameStatus status = FrameStatus::NoArtwork;
  int marksPerColumn = 0;     // kv + 2
  int marksPerRow = 0;        // kh, row marks besides the column marks
  Real columnSpacing{};       // sv after halving, points
  Real rowSpacing{};          // sh after halving, points
  // Artwork narrower than 10 mm: the line's right value lies left of its left value. The
  // host still receives the values as computed.
  bool lineReversed = false;
  std::vector<AiElement<Real>> elements;
};

// points = mm / 0.3528 (not 25.4/72), in the edition's precision.
template <class Real>
Real MmToPoints(Real mm);

// artwork: union of the bounds of all art, in points; std::nullopt when nothing could be
// measured. Instantiated for double (64-bit edition) and float (32-bit edition).
template <class Real>
AiFrame<Real> BuildIllustratorFrame(const std::optional<AiRect<Real>>& artwork, bool withSquares);

extern template float MmToPoints<float>(float);
extern template double MmToPoints<double>(double);
extern template AiFrame<float> BuildIllustratorFrame<float>(const std::optional<AiRect<float>>&, bool);
extern template AiFrame<double> BuildIllustratorFrame<double>(const std::optional<AiRect<double>>&, bool);

}  // namespace orvan::frame
