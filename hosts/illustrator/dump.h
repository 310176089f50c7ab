// The session dump of the simulated Illustrator: document, menus, plug-in record and messages as JSON.
#pragma once

#include <string>

#include "host.h"
#include "session.h"

namespace orvan::aihost {

bool WriteDump(const std::string& file, const Host& host, const Session& session);

}  // namespace orvan::aihost
