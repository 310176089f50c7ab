// Paths of the running host executable and of the plug-in module itself.
#pragma once
#include <string>

namespace orvan::corel {

std::wstring HostExecutablePath();
// The folder of Tablebar.cpg, with a trailing backslash.
std::wstring PluginModuleFolder();

}  // namespace orvan::corel
