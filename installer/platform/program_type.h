// The installer's seam to GetBinaryTypeA: what kind of program a file is.
#pragma once
#include <string>

namespace programs {

// Windows' program type of the file (SCS_32BIT_BINARY 0, SCS_64BIT_BINARY 6, ...); false when the file
// does not exist or is no program.
bool programType(const std::string& path, unsigned long& type);
constexpr unsigned long kWindows32 = 0;  // SCS_32BIT_BINARY
constexpr unsigned long kWindows64 = 6;  // SCS_64BIT_BINARY

}  // namespace programs
