// Builds the Illustrator frame in points. Every millimetre offset is converted once with
// MmToPoints in the edition's precision, so the 64-bit edition gets the correctly rounded
// double constants (14.17233560090703 for 5 mm, ...) and the 32-bit edition what single
// precision gives, operation by operation.
#include "illustrator_frame.h"

#include "halving.h"

namespace orvan::frame {

template <class Real>
Real MmToPoints(Real mm) {
  return mm / Real(0.3528);
}

namespace {

template <class Real>
struct Offsets {
  Real mm2_5 = MmToPoints(Real(2.5));   // triangle circumradius
  Real mm5 = MmToPoints(Real(5));       // mark diameter
  Real mm10 = MmToPoints(Real(10));     // gap from artwork to the inner edge of a side mark
  Real mm12 = MmToPoints(Real(12));     // upper edge of the line
  Real mm12_5 = MmToPoints(Real(12.5)); // centre of the bottom mark band
  Real mm13 = MmToPoints(Real(13));     // lower edge of the line
  Real mm15 = MmToPoints(Real(15));     // outer edge of a side mark
  Real mm400 = MmToPoints(Real(400));   // largest spacing between neighbouring marks
};

template <class Real>
void AddPair(AiFrame<Real>& frame, const AiRect<Real>& first, const AiRect<Real>& second,
             bool withSquares) {
  frame.elements.push_back({ElementKind::Mark, FrameLayer::Regmark, true, first, {}});
  frame.elements.push_back({ElementKind::Mark, FrameLayer::Regmark, false, second, {}});
  if (withSquares) {
    frame.elements.push_back({ElementKind::Square, FrameLayer::CutOutSquares, true, first, {}});
    frame.elements.push_back({ElementKind::Square, FrameLayer::CutOutSquares, false, second, {}});
  }
}

}  // namespace

template <class Real>
AiFrame<Real> BuildIllustratorFrame(const std::optional<AiRect<Real>>& artwork, bool withSquares) {
  AiFrame<Real> frame;
  if (!artwork) return frame;
  const Real L = artwork->left, T = artwork->top, R = artwork->right, B = artwork->bottom;
  const Offsets<Real> mm;

  const Real verticalSpan = (T - B) + mm.mm10;
  const Real horizontalSpan = (R - L) + mm.mm10;
  if (!detail::AllFinite(L, T, R, B, verticalSpan, horizontalSpan)) {
    frame.status = FrameStatus::NotFinite;
    return frame;
  }
  if (!detail::PlanSpacings(frame, verticalSpan, horizontalSpan, mm.mm400)) return frame;
  const Real sv = frame.columnSpacing, sh = frame.rowSpacing;

  for (int i = 0; i < frame.marksPerColumn; ++i) {
    const Real step = Real(i) * sv;
    const AiRect<Real> left{L - mm.mm15, B - mm.mm10 + step, L - mm.mm10, B - mm.mm15 + step};
    const AiRect<Real> right{R + mm.mm10, B + mm.mm5 + step, R + mm.mm15, B + step};
    AddPair(frame, left, right, withSquares);
  }
  for (int j = 1; j <= frame.marksPerRow; ++j) {
    const Real step = Real(j) * sh;
    const AiRect<Real> bottom{L - mm.mm15 + step, B - mm.mm10, L - mm.mm10 + step, B - mm.mm15};
    const AiRect<Real> top{L + step, T + mm.mm15, L + mm.mm5 + step, T + mm.mm10};
    AddPair(frame, bottom, top, withSquares);
  }

  // Drawn at (B - 12.5, -(L - 5)) and turned a quarter turn about the origin, which
  // brings its centre to (L - 5, B - 12.5).
  AiElement<Real> triangle{ElementKind::Triangle, FrameLayer::Regmark, true, {}, {}};
  triangle.polygon = {3, B - mm.mm12_5, -(L - mm.mm5), mm.mm2_5, Real(90)};
  frame.elements.push_back(triangle);

  const AiRect<Real> line{L - mm.mm5, B - mm.mm12, L - mm.mm15 + sh * Real(0.5), B - mm.mm13};
  frame.elements.push_back({ElementKind::Line, FrameLayer::Regmark, false, line, {}});
  frame.lineReversed = line.right < line.left;
  return frame;
}

template float MmToPoints<float>(float);
template double MmToPoints<double>(double);
template AiFrame<float> BuildIllustratorFrame<float>(const std::optional<AiRect<float>>&, bool);
template AiFrame<double> BuildIllustratorFrame<double>(const std::optional<AiRect<double>>&, bool);

}  // namespace orvan::frame
