// Files the simulated host reads on a plug-in's behalf: icons and CorelDRAW XML palettes.
#pragma once
#include <string>

namespace orvan::corelsim {

// True for a readable .ico file with at least one image; otherwise problem says why.
bool CheckIconFile(const std::string& path, std::string& problem);
// True for a well-formed CorelDRAW XML palette; name is its name attribute.
bool CheckPaletteFile(const std::string& path, std::string& name, std::string& problem);

}  // namespace orvan::corelsim
