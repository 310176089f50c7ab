// Vocabulary shared by the Illustrator and CorelDRAW registration-mark frames: what an
// element is, which layer it belongs on, and whether a frame could be built at all.
#pragma once

namespace orvan::frame {

// Why a frame has no elements. Only Ok carries elements.
enum class FrameStatus {
  Ok,
  NoArtwork,    // the artwork box has no value (nothing selectable, empty page)
  NotFinite,    // a box value or a span is NaN or infinite; no coordinate would be defined
  TooLarge,     // the span needs more halvings than MaxHalvings: the mark count would not fit
};

enum class ElementKind {
  Mark,      // circular registration mark
  Square,    // cut-out square exactly behind a mark
  Triangle,  // orientation triangle, bottom left
  Line,      // orientation line, bottom left
};

enum class FrameLayer {
  Regmark,        // "Regmark": marks, triangle, line
  CutOutSquares,  // "Cut Out Squares": one square per mark
};

// Each halving doubles the mark count (k = 2k + 1); 16 halvings already allow spans of
// 26 km, far beyond any host's canvas, and keep the element list within a few megabytes.
inline constexpr int MaxHalvings = 16;

}  // namespace orvan::frame
