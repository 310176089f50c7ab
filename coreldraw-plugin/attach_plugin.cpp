// The module's only export: CorelDRAW calls it once to get the plug-in object.
#include <new>

#include "communication_interface.h"

// 64-bit exports by attribute; the 32-bit edition exports through Tablebar.def, undecorated.
#ifdef _WIN64
#define TABLEBAR_EXPORT __declspec(dllexport)
#else
#define TABLEBAR_EXPORT
#endif

extern "C" TABLEBAR_EXPORT int STDMETHODCALLTYPE AttachPlugin(orvan::corel::IVGAppPlugin** plugin) noexcept {
  try {
    if (plugin) *plugin = new (std::nothrow) orvan::corel::CommunicationInterface();
  } catch (...) {
    if (plugin) *plugin = nullptr;
  }
  return orvan::corel::kAttachPluginResult;
}
