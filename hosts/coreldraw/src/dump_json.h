// The dump of a simulated CorelDRAW run: documents, command bars, commands, palettes, PDFs,
// dialogs and the session record, with every length in millimetres.
#pragma once
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "scripted_user.h"

namespace orvan::corelsim {

nlohmann::json DumpHost();
nlohmann::json DumpDialogs(const std::vector<scripted::DialogRecord>& dialogs);

}  // namespace orvan::corelsim
