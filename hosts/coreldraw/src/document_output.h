// Pictures of a document page: a real PDF (what PublishToPDF writes) and an SVG for people and tests.
#pragma once
#include <string>

#include "model.h"

namespace orvan::corelsim {

bool WritePdf(const Document& document, const Page& page, const std::string& path, std::string& error);
bool WriteSvg(const Document& document, const Page& page, const std::string& path, std::string& error);

}  // namespace orvan::corelsim
