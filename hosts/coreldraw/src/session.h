// Drives a .cpg plug-in as CorelDRAW does: attach, load, start, events, stop, unload, release.
#pragma once
#include <nlohmann/json.hpp>

#include "options.h"

namespace orvan::corelsim {

// The record of every call into the plug-in and its result.
nlohmann::json RunSession(const Options& options);

}  // namespace orvan::corelsim
