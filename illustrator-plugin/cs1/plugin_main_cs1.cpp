// PluginMain of MarkwellCS1: suites acquired around every message, a small globals block instead of
// a plug-in object, and failures shown in the error dialog.
#include <cstdio>
#include <cstring>

#include "cs1_edition.h"
#include "dialogs.h"
#include "menus.h"
#include "plugin_entry.h"
#include "suites_cs1.h"

namespace {

using namespace orvan::markwell;
using namespace orvan::markwell::cs1;

const SPBasicSuite* sSPBasic = nullptr;
Globals* sGlobals = nullptr;

bool Is(const char* a, const char* b) { return sSPBasic->IsEqual(a, b) != 0; }

AIErr Startup(SPPluginRef self) {
  void* block = nullptr;
  if (AIErr err = sSPBlocks->AllocateBlock(sizeof(Globals), "globals", &block)) return err;
  sGlobals = static_cast<Globals*>(block);
  *sGlobals = Globals{};
  const AIErr err = AddRegmarksMenus(self, sGlobals);
  if (err) {
    // The plug-in does not start: its block would otherwise stay allocated for the whole session.
    sSPBlocks->FreeBlock(sGlobals);
    sGlobals = nullptr;
  }
  return err;
}

void Shutdown(SPMessageData* message) {
  const void* blocks = nullptr;
  if (sGlobals && sSPBasic->AcquireSuite(kSPBlocksSuite, 2, &blocks) == kNoErr) {
    static_cast<const SPBlocksSuite*>(blocks)->FreeBlock(sGlobals);
    sSPBasic->ReleaseSuite(kSPBlocksSuite, 2);
  }
  sGlobals = nullptr;
  message->globals = nullptr;
}

AIErr RunCommand(AIMenuMessage* message) {
  if (!sGlobals) return kNoErr;
  if (message->menuItem == sGlobals->marksItem) return RegmarkDrawer<Cs1Edition>().AddRegmarks(false);
  if (message->menuItem == sGlobals->marksWithSquaresItem) return RegmarkDrawer<Cs1Edition>().AddRegmarks(true);
  return kNoErr;
}

AIErr Handle(const char* caller, const char* selector, void* message) {
  auto* data = static_cast<SPMessageData*>(message);
  if (Is(caller, kSPInterfaceCaller)) {
    if (Is(selector, kSPStartupSelector)) return Startup(data->self);
    if (Is(selector, kSPAboutSelector)) return ShowAboutBox(data->self);
    if (Is(selector, kSPShutdownSelector)) Shutdown(data);
    return kNoErr;
  }
  if (Is(caller, kCallerAIMenu)) {
    if (Is(selector, kSelectorAIGoMenuItem)) return RunCommand(static_cast<AIMenuMessage*>(message));
    return kNoErr;
  }
  return kNoErr;
}

AIErr Dispatch(const char* caller, const char* selector, SPMessageData* message) {
  sSPBasic = message->basic;
  if (Is(caller, kSPAccessCaller)) {
    if (Is(selector, kSPUnloadSelector)) {
      message->globals = sGlobals;
    } else if (Is(selector, kSPReloadSelector)) {
      sGlobals = static_cast<Globals*>(message->globals);
      Suites().ResetCount();
    }
    return kNoErr;
  }

  AIErr err;
  const SuiteFailure failure = Suites().Acquire(sSPBasic);
  if (failure.code != kNoErr) {
    err = failure.code;
    if (sADMBasic) {
      char text[400];
      std::snprintf(text, sizeof text, "Error: %d, suite: %s, version: %d!", static_cast<int>(failure.code),
                    failure.entry->name, static_cast<int>(failure.entry->version));
      sADMBasic->ErrorAlert(text);
    }
  } else {
    try {
      err = Handle(caller, selector, message);
    } catch (...) {
      // A shape style the host would not take (or anything else unforeseen) ends the command.
      err = kCantHappenErr;
    }
  }
  if (err != kNoErr && err != 1 && err != kSuiteNotFoundErr) ShowErrorDialog(message->self, err);
  Suites().Release(sSPBasic);
  return err;
}

}  // namespace

extern "C" __declspec(dllexport) AIErr AI_CALL PluginMain(const char* caller, const char* selector,
                                                          void* message) noexcept {
  return orvan::markwell::AtHostBoundary(caller, selector, message, Dispatch);
}
