// The template and PDF commands: thin bridges to the host.
#pragma once
#include "command_table.h"

namespace orvan::corel {

void LoadNewTemplate(CommandTable& table);
void PublishToPdf(CommandTable& table);

}  // namespace orvan::corel
