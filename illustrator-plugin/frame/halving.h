// The spacing rule both frames share: halve a span while it exceeds the largest allowed
// spacing, counting the marks that the halvings add. Internal to the frame module.
#pragma once

#include <cmath>

#include "frame_types.h"

namespace orvan::frame::detail {

template <class Real>
struct Halved {
  Real spacing{};
  int added = 0;     // 2^n - 1 after n halvings
  bool fits = true;  // false when more than MaxHalvings would be needed
};

// A span of exactly maxSpacing stays whole. The caller has checked that span is finite:
// an infinite span would never drop below the limit.
template <class Real>
Halved<Real> HalveSpacing(Real span, Real maxSpacing) {
  Halved<Real> result{span};
  for (int n = 0; result.spacing > maxSpacing; ++n) {
    if (n == MaxHalvings) {
      result.fits = false;
      return result;
    }
    result.spacing = result.spacing * Real(0.5);
    result.added = 2 * result.added + 1;
  }
  return result;
}

// Halves both spans and records the outcome in the frame (an AiFrame or a CorelFrame);
// false when the frame has nothing to draw.
template <class Frame, class Real>
bool PlanSpacings(Frame& frame, Real verticalSpan, Real horizontalSpan, Real maxSpacing) {
  const auto column = HalveSpacing(verticalSpan, maxSpacing);
  const auto row = HalveSpacing(horizontalSpan, maxSpacing);
  if (!column.fits || !row.fits) {
    frame.status = FrameStatus::TooLarge;
    return false;
  }
  frame.status = FrameStatus::Ok;
  frame.marksPerColumn = column.added + 2;
  frame.marksPerRow = row.added;
  frame.columnSpacing = column.spacing;
  frame.rowSpacing = row.spacing;
  return true;
}

template <class Real, class... Rest>
bool AllFinite(Real first, Rest... rest) {
  return std::isfinite(first) && (std::isfinite(rest) && ...);
}

}  // namespace orvan::frame::detail
