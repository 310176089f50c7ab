// File and registry paths live in buffers of 280 characters, terminating zero included.
#pragma once
#include <cstddef>

namespace orvan::corel {

inline constexpr std::size_t kPathBuffer = 280;

// A path fits when it leaves room for its terminating zero; longer paths are refused, never cut.
inline bool FitsPathBuffer(std::size_t length) { return length < kPathBuffer; }

}  // namespace orvan::corel
