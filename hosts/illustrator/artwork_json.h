// Artwork files of the simulated Illustrator: a document as JSON, layers and objects listed top first.
//
// {"layers": [{"title": "Artwork", "color": [79, 128, 255], "editable": true, "visible": true,
//              "art": [{"kind": "rectangle", "bounds": [left, top, right, bottom],
//                       "fill": {"cmyk": [0, 0.5, 1, 0]}, "stroke": {"cmyk": [0, 0, 0, 1], "width": 1},
//                       "selected": false, "locked": false, "hidden": false},
//                      {"kind": "oval", "bounds": [...], "fill": false, "stroke": false},
//                      {"kind": "polygon", "points": [[x, y], ...]},
//                      {"kind": "group", "art": [...]}]}],
//  "current": "Artwork"}
// Coordinates are points with y upward; colours 0 to 1, layer colours 0 to 255.
#pragma once

#include <string>

#include "document.h"

namespace orvan::aihost {

// Empty text on success, else what is wrong with the file.
std::string LoadArtwork(const std::string& file, Document& document);

}  // namespace orvan::aihost
