// How MarkwellCC meets the mark algorithm: double precision, host Unicode strings, and the second
// copies of the suites it acquires twice.
#pragma once

#include <cstring>

#include "add_regmarks.h"
#include "suites_cc.h"

namespace ai {
// The framework's error object: a host code raised inside one message.
struct Error {
  AIErr code;
};
}  // namespace ai

namespace orvan::markwell::cc {

struct CcEdition {
  using Real = double;
  static constexpr std::int16_t kGroupPaintOrder = kPlaceInsideOnTop;

  static const AILayerSuite13* Layer() { return sAILayer; }
  static const AIArtSuite17* Art() { return sAIArt; }
  static const AIMatchingArtSuite* MatchingArt() { return sAIMatchingArt; }
  static const AIShapeConstructionSuite6* ShapeConstruction() { return sAIShapeConstruction; }
  static const AIPathStyleSuite* PathStyle() { return sAIPathStyle; }
  static const AIRealMathSuite3* RealMath() { return sAIRealMath; }
  static const AITransformArtSuite3* TransformArt() { return sAITransformArt; }
  static const SPBlocksSuite* Blocks() { return sSPBlocks; }

  // A host string for the duration of one call; a string the host cannot make is raised as its
  // code, as the framework's string class does.
  class Title {
   public:
    explicit Title(const char* text) {
      if (AIErr err = sAIUnicodeString->FromUTF8(text, &string_)) throw ai::Error{err};
    }
    ~Title() {
      if (string_) sAIUnicodeString->Dispose(string_);
    }
    Title(const Title&) = delete;
    Title& operator=(const Title&) = delete;
    AIUnicodeStringRef get() const { return string_; }

   private:
    AIUnicodeStringRef string_ = nullptr;
  };
};

}  // namespace orvan::markwell::cc
