// PluginMain of MarkwellCC: creates and destroys the plug-in object, hands every other message to it.
#include <cstring>
#include <new>

#include "cc_edition.h"
#include "plugin_entry.h"
#include "regmark_plugin.h"
#include "suites_cc.h"

namespace {

const SPBasicSuite* sSPBasic = nullptr;

bool Is(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

using orvan::markwell::cc::Plugin;
using orvan::markwell::cc::RegmarkPlugin;

// Startup runs outside the object's own guard; whatever it raises must still let the object go.
AIErr Start(Plugin* plugin, SPMessageData* message) {
  try {
    return plugin->OnStartup(message);
  } catch (const ai::Error& e) {
    return e.code;
  } catch (...) {
    return kCantHappenErr;
  }
}

AIErr Dispatch(const char* caller, const char* selector, SPMessageData* message) {
  sSPBasic = message->basic;
  auto* plugin = static_cast<Plugin*>(message->globals);

  if (Is(caller, kSPInterfaceCaller) && Is(selector, kSPStartupSelector)) {
    plugin = new (std::nothrow) RegmarkPlugin(message->self);
    if (!plugin) return kOutOfMemoryErr;
    message->globals = plugin;
    if (AIErr err = Start(plugin, message)) {
      plugin->ReportFailure(err, caller, selector);
      delete plugin;
      message->globals = nullptr;
      return err;
    }
  } else if (Is(caller, kSPInterfaceCaller) && Is(selector, kSPShutdownSelector)) {
    if (!plugin) return kNoErr;
    AIErr err = plugin->OnShutdown(message);
    if (err && err != kUnhandledMsgErr) plugin->ReportFailure(err, caller, selector);
    delete plugin;
    message->globals = nullptr;
    return err == kUnhandledMsgErr ? kNoErr : err;
  }
  if (!plugin) return kNoErr;

  AIErr err;
  if (Is(caller, kSPAccessCaller) && Is(selector, kSPReloadSelector)) {
    plugin = RegmarkPlugin::Rebind(plugin);
    message->globals = plugin;
    err = plugin->OnReload(message);
  } else {
    if (!plugin->HoldsSuites()) return kNoErr;
    err = plugin->HandleMessage(caller, selector, message);
  }
  if (err == kUnhandledMsgErr) return kNoErr;
  if (err) plugin->ReportFailure(err, caller, selector);
  return err;
}

}  // namespace

extern "C" __declspec(dllexport) AIErr AI_CALL PluginMain(const char* caller, const char* selector,
                                                          void* message) noexcept {
  return orvan::markwell::AtHostBoundary(caller, selector, message, Dispatch);
}
