// How MarkwellCS1 meets the mark algorithm: single precision and length-prefixed byte strings.
#pragma once

#include <cstring>

#include "add_regmarks.h"
#include "suites_cs1.h"

namespace orvan::markwell::cs1 {

// Text with its length in the first byte; longer texts are cut at 255 characters.
class PascalString {
 public:
  explicit PascalString(const char* text) {
    std::size_t n = std::strlen(text);
    if (n > 255) n = 255;
    bytes_[0] = static_cast<unsigned char>(n);
    std::memcpy(bytes_ + 1, text, n);
  }
  AIPascalString get() const { return bytes_; }

 private:
  unsigned char bytes_[256] = {};
};

struct Cs1Edition {
  using Real = float;
  // Relative to the layer's top-level group, which the host reads as inside it, on top.
  static constexpr std::int16_t kGroupPaintOrder = kPlaceDefault;

  static const AILayerSuite9* Layer() { return sAILayer; }
  static const AIArtSuite10* Art() { return sAIArt; }
  static const AIMatchingArtSuite* MatchingArt() { return sAIMatchingArt; }
  static const AIShapeConstructionSuite4* ShapeConstruction() { return sAIShapeConstruction; }
  static const AIPathStyleSuite* PathStyle() { return sAIPathStyle; }
  static const AIRealMathSuite1* RealMath() { return sAIRealMath; }
  static const AITransformArtSuite1* TransformArt() { return sAITransformArt; }
  static const SPBlocksSuite* Blocks() { return sSPBlocks; }

  using Title = PascalString;
};

}  // namespace orvan::markwell::cs1
