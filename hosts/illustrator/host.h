// The simulated Illustrator's state for one session: the document, the menus, the loaded plug-in
// with what it holds of the host (suites, blocks, strings, locks, notifiers, contexts), injected
// failures, and the record of every message sent.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ai_messages.h"
#include "document.h"
#include "failures.h"
#include "menus.h"
#include "scripted_user.h"

namespace orvan::aihost {

struct Notifier {
  std::string name;
  std::string type;
};

struct MessageRecord {
  std::string caller;
  std::string selector;
  std::string detail;       // the menu item's text, the notification type, or why it was not sent
  bool sent = true;
  AIErr result = kNoErr;
  std::vector<scripted::DialogRecord> dialogs;
};

// What the host keeps for the plug-in; SPPluginRef handles point here.
struct PluginRecord {
  std::string file;
  std::string name;  // as set through "SP Plug-ins Suite"
  int accessLocks = 0;
  void* globals = nullptr;
  std::vector<Notifier> notifiers;
};

struct Host {
  Document document;
  Menus menus;
  Failures failures;
  PluginRecord plugin;
  PluginRecord otherPlugin;  // the maker's other plug-in, when its menu group is already there
  std::map<std::string, int> suitesHeld;  // "name version" -> acquisitions not yet released
  std::set<std::string> withheld;         // "name version" the host does not offer
  std::map<void*, std::string> blocks;    // outstanding blocks and their names
  std::set<void*> strings;                // outstanding host strings
  int contextDepth = 0;
  void* pluginModule = nullptr;           // HMODULE of the loaded plug-in, for its resources
  std::vector<MessageRecord> messages;
  std::vector<std::string> problems;      // the host's own findings (refused handles, leaks)
};

// Answers the injected code when a failure is set for this call of the operation. Out-parameters
// are cleared before, so an injected empty success ("NULL") leaves them empty.
#define ORVAN_INJECT(suite, op)                                                         \
  do {                                                                                  \
    const ::orvan::aihost::Injection injected = ::orvan::aihost::gHost->failures.check(suite, op); \
    if (injected.active) return injected.code;                                          \
  } while (0)

// The one host of this process: the suites are plain C functions and reach it here.
extern Host* gHost;

// The suites the host offers; AcquireSuite answers S!Fd for any other name or version.
const SPBasicSuite* BasicSuite();
const void* FindSuite(const std::string& name, std::int32_t version);

}  // namespace orvan::aihost
