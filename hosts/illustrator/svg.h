// A picture of the simulated Illustrator's document as SVG: visible layers, bottom layer first.
#pragma once

#include <string>

#include "document.h"

namespace orvan::aihost {

bool WriteSvg(const std::string& file, const Document& document);

}  // namespace orvan::aihost
