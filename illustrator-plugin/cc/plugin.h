// The plug-in object of MarkwellCC: lives from the host's startup message to its shutdown message,
// its address kept in the host's globals slot, also across unload and reload.
#pragma once

#include <cstdint>
#include <ctime>

#include "ai_messages.h"

namespace orvan::markwell::cc {

// Holds the acquisition of the edition's suites for as long as it lives.
class SuiteHolder;

class Plugin {
 public:
  // Everything the object keeps, plain data so that a reload can carry it into a fresh object
  // bound to the freshly loaded code.
  struct Fields {
    SPPluginRef self = nullptr;
    char name[256] = "Plugin";
    SuiteHolder* suites = nullptr;
    std::int32_t accessLocks = 0;
    SPAccessRef access = nullptr;
    AIErr lastError = kNoErr;
    std::int32_t reportIntervalSeconds = 5;
    bool throttleReports = true;
    std::time_t lastReportTime = 0;
  };

  explicit Plugin(SPPluginRef self) { fields_.self = self; }
  explicit Plugin(const Fields& fields) : fields_(fields) {}
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  virtual ~Plugin();
  virtual void ReportFailure(AIErr code, const char* caller, const char* selector);
  virtual AIErr SetAccessLock(bool on);
  virtual AIErr OnStartup(SPMessageData* message);
  virtual AIErr OnAppStarted(AINotifierMessage* message);
  virtual AIErr OnShutdown(SPMessageData* message);
  virtual AIErr OnUnload(SPMessageData* message);
  virtual AIErr OnReload(SPMessageData* message);
  virtual AIErr OnPropertyAcquire(SPMessageData* message);
  virtual AIErr OnPropertyRelease(SPMessageData* message);
  virtual void CopyName(char* buffer, std::size_t size) const;
  virtual bool OnPurge(SPMessageData* message);
  virtual AIErr HandleMessage(const char* caller, const char* selector, void* message);
  virtual AIErr BindGlobal(Plugin* object);
  virtual AIErr RegisterExtras(SPMessageData* message);
  virtual AIErr AfterAcquire();
  virtual AIErr BeforeRelease();
  virtual AIErr BeforeDispatch(SPMessageData* message);
  virtual AIErr OnNotify(AINotifierMessage* message);
  virtual AIErr OnAction(SPMessageData* message);
  virtual AIErr OnMenuCommand(AIMenuMessage* message);
  virtual AIErr OnMenuUpdate(AIMenuMessage* message);
  // The selectors of filters, plug-in groups, file formats, tools, live effects, timers, the
  // clipboard and the workspace manager: none of them is this plug-in's business.
  virtual AIErr OnOtherSelector(const char* caller, const char* selector, void* message);

  bool HoldsSuites() const { return fields_.suites != nullptr; }
  const Fields& fields() const { return fields_; }
  SPPluginRef self() const { return fields_.self; }

 protected:
  Fields fields_;

  AIErr AcquireSuites(const SPBasicSuite* basic);
  void ReleaseSuites();
};

}  // namespace orvan::markwell::cc
