// The base plug-in object of MarkwellCC: lifecycle, access lock, failure reports and the dispatch
// of the host's messages by caller and selector.
#include "plugin.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "suites_cc.h"

namespace orvan::markwell::cc {

class SuiteHolder {
 public:
  explicit SuiteHolder(const SPBasicSuite* basic) : basic_(basic) {}
  SuiteHolder(const SuiteHolder&) = delete;
  SuiteHolder& operator=(const SuiteHolder&) = delete;
  ~SuiteHolder() {
    if (acquired_) Suites().Release(basic_);
  }
  AIErr Acquire() {
    acquired_ = true;
    return Suites().Acquire(basic_).code;
  }

 private:
  const SPBasicSuite* basic_;
  bool acquired_ = false;
};

namespace {

bool Is(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

// Every selector the host may send that this object answers only as unhandled.
struct OtherSelector {
  const char* caller;
  const char* selector;
};
const OtherSelector kOtherSelectors[] = {
    {"AI Filter", "AI Get Parameters"}, {"AI Filter", "AI Go"},
    {"AI Plugin Group", "AI Notify Edits"}, {"AI Plugin Group", "AI Update"},
    {"AI File Format", "AI Get Parameters"}, {"AI File Format", "AI Go"}, {"AI File Format", "AI Check"},
    {"AI File Format", "AI Update AI140"}, {"AI File Format", "Do Action"},
    {"AI Tool", "AI Edit Options"}, {"AI Tool", "AI Track Cursor"}, {"AI Tool", "AI Mouse Down"},
    {"AI Tool", "AI Mouse Drag"}, {"AI Tool", "AI Mouse Up"}, {"AI Tool", "AI Select"},
    {"AI Tool", "AI Deselect"}, {"AI Tool", "AI Reselect"}, {"AI Tool", "AI Decrease Diameter"},
    {"AI Tool", "AI Increase Diameter"},
    {"AI Live Effect", "AI Live Effect Edit Parameters"}, {"AI Live Effect", "AI Live Effect Go Live"},
    {"AI Live Effect", "AI Live Effect Interpolate Parameters"}, {"AI Live Effect", "AI Live Effect Input Type"},
    {"AI Live Effect", "AI Live Effect Convert Color Space"}, {"AI Live Effect", "AI Live Effect Scale Parameters"},
    {"AI Live Effect", "AI Live Effect Adjust Colors"}, {"AI Live Effect", "AI Live Effect Handle Merge"},
    {"AI Timer", "AI Go"},
    {"AI Clipboard", "AI Go"}, {"AI Clipboard", "AI Can Copy"}, {"AI Clipboard", "AI Clone"},
    {"AI Clipboard", "AI Dispose"},
    {"Workspace Manager", "Write Workspace"}, {"Workspace Manager", "Restore Workspace"},
    {"Workspace Manager", "Default Workspace"},
};

}  // namespace

Plugin::~Plugin() { ReleaseSuites(); }

// This edition shows nothing for error codes: they travel back to the host as PluginMain's result.
// A repeat of the same code within the report interval is not even remembered anew.
void Plugin::ReportFailure(AIErr code, const char*, const char*) {
  const std::time_t now = std::time(nullptr);
  if (fields_.throttleReports && code == fields_.lastError && now - fields_.lastReportTime < fields_.reportIntervalSeconds)
    return;
  fields_.lastError = code;
  fields_.lastReportTime = now;
}

AIErr Plugin::SetAccessLock(bool on) {
  if (on) {
    if (fields_.accessLocks++ == 0 && sSPAccess) return sSPAccess->AcquirePlugin(fields_.self, &fields_.access);
    return kNoErr;
  }
  if (fields_.accessLocks > 0 && --fields_.accessLocks == 0 && fields_.access && sSPAccess) {
    AIErr err = sSPAccess->ReleasePlugin(fields_.access);
    fields_.access = nullptr;
    return err;
  }
  return kNoErr;
}

AIErr Plugin::AcquireSuites(const SPBasicSuite* basic) {
  auto* holder = new (std::nothrow) SuiteHolder(basic);
  if (!holder) return kOutOfMemoryErr;
  if (AIErr err = holder->Acquire()) {
    delete holder;
    return err;
  }
  fields_.suites = holder;
  return kNoErr;
}

void Plugin::ReleaseSuites() {
  delete fields_.suites;
  fields_.suites = nullptr;
}

AIErr Plugin::OnStartup(SPMessageData* message) {
  if (AIErr err = BindGlobal(this)) return err;
  if (AIErr err = AcquireSuites(message->basic)) return err;
  if (AIErr err = sSPPlugins->SetPluginName(fields_.self, fields_.name)) return err;
  char notifierName[300];
  std::snprintf(notifierName, sizeof notifierName, "%s App Started Notifier", fields_.name);
  AINotifierHandle notifier = nullptr;
  if (AIErr err = sAINotifier->AddNotifier(fields_.self, notifierName, kAIApplicationStartedNotifier, &notifier))
    return err;
  if (AIErr err = RegisterExtras(message)) return err;
  if (AIErr err = AfterAcquire()) return err;
  if (fields_.accessLocks == 0) return SetAccessLock(true);
  return kNoErr;
}

AIErr Plugin::OnAppStarted(AINotifierMessage*) { return kNoErr; }

AIErr Plugin::OnShutdown(SPMessageData*) {
  BindGlobal(nullptr);
  ReleaseSuites();
  return kNoErr;
}

AIErr Plugin::OnUnload(SPMessageData*) {
  BindGlobal(nullptr);
  AIErr err = BeforeRelease();
  ReleaseSuites();
  return err;
}

AIErr Plugin::OnReload(SPMessageData* message) {
  if (AIErr err = BindGlobal(this)) return err;
  if (AIErr err = AcquireSuites(message->basic)) return err;
  return AfterAcquire();
}

AIErr Plugin::OnPropertyAcquire(SPMessageData*) { return kUnhandledMsgErr; }
AIErr Plugin::OnPropertyRelease(SPMessageData*) { return kUnhandledMsgErr; }

void Plugin::CopyName(char* buffer, std::size_t size) const {
  if (size == 0) return;
  std::strncpy(buffer, fields_.name, size - 1);
  buffer[size - 1] = '\0';
}

bool Plugin::OnPurge(SPMessageData*) { return false; }

AIErr Plugin::HandleMessage(const char* caller, const char* selector, void* message) {
  auto* data = static_cast<SPMessageData*>(message);
  if (AIErr err = BeforeDispatch(data)) return err;

  if (Is(caller, kSPInterfaceCaller)) {
    // Startup was handled before dispatch; this edition shows no About box.
    if (Is(selector, kSPStartupSelector) || Is(selector, kSPAboutSelector)) return kNoErr;
    return kUnhandledMsgErr;
  }
  if (Is(caller, kSPAccessCaller)) {
    if (Is(selector, kSPUnloadSelector)) return OnUnload(data);
    if (Is(selector, kSPReloadSelector)) return OnReload(data);
    return kUnhandledMsgErr;
  }
  if (Is(caller, kSPPropertiesCaller)) {
    if (Is(selector, kSPPropertiesAcquireSelector)) return OnPropertyAcquire(data);
    if (Is(selector, kSPPropertiesReleaseSelector)) return OnPropertyRelease(data);
    return kUnhandledMsgErr;
  }
  if (Is(caller, kSPCacheCaller)) {
    if (Is(selector, kSPPluginPurgeSelector)) {
      OnPurge(data);  // nothing to purge; answered 0 either way
      return kNoErr;
    }
    return kUnhandledMsgErr;
  }
  if (Is(caller, kCallerAINotify)) {
    if (!Is(selector, kSelectorAINotify)) return kUnhandledMsgErr;
    auto* notify = static_cast<AINotifierMessage*>(message);
    AIAppContextHandle context = nullptr;
    if (AIErr err = sAIContext->PushAppContext(fields_.self, &context)) return err;
    AIErr err = kNoErr;
    if (notify->type && Is(notify->type, kAIApplicationStartedNotifier)) err = OnAppStarted(notify);
    if (err == kNoErr) err = OnNotify(notify);
    sAIContext->PopAppContext(context);
    return err;
  }
  if (Is(caller, kActionCaller)) return Is(selector, kDoActionSelector) ? OnAction(data) : kUnhandledMsgErr;
  if (Is(caller, kCallerAIMenu)) {
    if (Is(selector, kSelectorAIGoMenuItem)) return OnMenuCommand(static_cast<AIMenuMessage*>(message));
    if (Is(selector, kSelectorAIUpdateMenuItem)) return OnMenuUpdate(static_cast<AIMenuMessage*>(message));
    return kUnhandledMsgErr;
  }
  for (const auto& other : kOtherSelectors)
    if (Is(caller, other.caller) && Is(selector, other.selector)) return OnOtherSelector(caller, selector, message);
  return kUnhandledMsgErr;
}

AIErr Plugin::BindGlobal(Plugin*) { return kNoErr; }
AIErr Plugin::RegisterExtras(SPMessageData*) { return kNoErr; }
AIErr Plugin::AfterAcquire() { return kNoErr; }
AIErr Plugin::BeforeRelease() { return kNoErr; }
AIErr Plugin::BeforeDispatch(SPMessageData*) { return kNoErr; }
AIErr Plugin::OnNotify(AINotifierMessage*) { return kNoErr; }
AIErr Plugin::OnAction(SPMessageData*) { return kNoErr; }
AIErr Plugin::OnMenuCommand(AIMenuMessage*) { return kUnhandledMsgErr; }
AIErr Plugin::OnMenuUpdate(AIMenuMessage*) { return kUnhandledMsgErr; }
AIErr Plugin::OnOtherSelector(const char*, const char*, void*) { return kUnhandledMsgErr; }

}  // namespace orvan::markwell::cc
