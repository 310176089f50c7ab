// Paths are 8-bit texts in the system's ANSI code page; the host takes automation strings.
#pragma once
#include <string>

namespace orvan::corel {

std::wstring Widen(const std::string& ansi);

}  // namespace orvan::corel
