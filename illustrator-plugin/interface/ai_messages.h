// The message records the host passes to PluginMain, with the callers and selectors it sends.
#pragma once

#include "ai_suites.h"

struct SPMessageData {
  std::int32_t check;           // kSPValidMessageCheck
  SPPluginRef self;             // this plug-in, for every call that registers something
  void* globals;                // kept by the host between messages, across unload and reload
  const SPBasicSuite* basic;
};
constexpr std::int32_t kSPValidMessageCheck = FourCharCode("SPCk");

// "AI Menu" "AI Go" and "AI Update".
struct AIMenuMessage {
  SPMessageData d;
  AIMenuItemHandle menuItem;
};

// "AI Notifier" "AI Notify".
struct AINotifierMessage {
  SPMessageData d;
  AINotifierHandle notifier;
  const char* type;
  void* notifyData;
};

using PluginMainProc = AIErr(AI_CALL*)(const char* caller, const char* selector, void* message);

inline constexpr char kSPInterfaceCaller[] = "SP Interface";
inline constexpr char kSPStartupSelector[] = "Startup";
inline constexpr char kSPShutdownSelector[] = "Shutdown";
inline constexpr char kSPAboutSelector[] = "About";
inline constexpr char kSPAccessCaller[] = "SP Access";
inline constexpr char kSPUnloadSelector[] = "Unload";
inline constexpr char kSPReloadSelector[] = "Reload";
inline constexpr char kSPPropertiesCaller[] = "SP Properties";
inline constexpr char kSPPropertiesAcquireSelector[] = "Acquire";
inline constexpr char kSPPropertiesReleaseSelector[] = "Release";
inline constexpr char kSPCacheCaller[] = "SP Cache";
inline constexpr char kSPPluginPurgeSelector[] = "Plug-in Purge";
inline constexpr char kCallerAIMenu[] = "AI Menu";
inline constexpr char kSelectorAIGoMenuItem[] = "AI Go";
inline constexpr char kSelectorAIUpdateMenuItem[] = "AI Update";
inline constexpr char kCallerAINotify[] = "AI Notifier";
inline constexpr char kSelectorAINotify[] = "AI Notify";
inline constexpr char kActionCaller[] = "Action Manager";
inline constexpr char kDoActionSelector[] = "Do Action";
inline constexpr char kAIApplicationStartedNotifier[] = "AI Application Started Notifier";

// The plug-in property list: resource type "PIPL", identifier 16000, US English.
constexpr int kPiPLResourceId = 16000;
