// Sending the messages of a session through the plug-in's code entry.
#include "session.h"

namespace orvan::aihost {

AIErr Session::send(const char* caller, const char* selector, SPMessageData* message, const std::string& detail) {
  message->check = kSPValidMessageCheck;
  message->self = reinterpret_cast<SPPluginRef>(&host_.plugin);
  message->globals = host_.plugin.globals;
  message->basic = BasicSuite();
  const AIErr result = module_.entry()(caller, selector, message);
  host_.plugin.globals = message->globals;
  MessageRecord record{caller, selector, detail, true, result, user_.Take()};
  host_.messages.push_back(std::move(record));
  return result;
}

void Session::notSent(const std::string& caller, const std::string& selector, const std::string& why) {
  host_.messages.push_back(MessageRecord{caller, selector, why, false, kNoErr, {}});
}

bool Session::load() {
  loadError_ = module_.load(file_);
  host_.pluginModule = module_.handle();
  return loadError_.empty();
}

bool Session::start(const std::string& file) {
  file_ = file;
  host_.plugin.file = file;
  if (!load()) return false;
  SPMessageData startup{};
  running_ = send(kSPInterfaceCaller, kSPStartupSelector, &startup, "") == kNoErr;
  if (!running_) {
    module_.unload();
    host_.pluginModule = nullptr;
    return false;
  }
  for (const Notifier& n : host_.plugin.notifiers) {
    if (n.type != kAIApplicationStartedNotifier) continue;
    AINotifierMessage message{};
    message.type = kAIApplicationStartedNotifier;
    send(kCallerAINotify, kSelectorAINotify, &message.d, n.type);
  }
  return true;
}

// A command inside a submenu is reachable only while the items that open the submenus are enabled.
bool Session::reachable(const MenuItem& item) const {
  if (!host_.menus.enabled(item, host_.document)) return false;
  for (const MenuGroup& g : host_.menus.groups())
    if (g.name == item.group && g.parent) return reachable(*g.parent);
  return true;
}

void Session::run(const std::string& itemText) {
  if (!running_) return notSent(kCallerAIMenu, kSelectorAIGoMenuItem, itemText + ": the plug-in is not running");
  MenuItem* item = host_.menus.findByText(itemText);
  if (!item || item->owner == host_.otherPlugin.name)
    return notSent(kCallerAIMenu, kSelectorAIGoMenuItem, itemText + ": no such item of the plug-in");
  AIMenuMessage message{};
  message.menuItem = reinterpret_cast<AIMenuItemHandle>(item);
  send(kCallerAIMenu, kSelectorAIUpdateMenuItem, &message.d, itemText);
  if (!reachable(*item)) return notSent(kCallerAIMenu, kSelectorAIGoMenuItem, itemText + ": disabled");
  send(kCallerAIMenu, kSelectorAIGoMenuItem, &message.d, itemText);
}

void Session::cycle(bool ignoreAccessLock) {
  if (!running_) return notSent(kSPAccessCaller, kSPUnloadSelector, "the plug-in is not running");
  if (host_.plugin.accessLocks > 0 && !ignoreAccessLock)
    return notSent(kSPAccessCaller, kSPUnloadSelector, "the plug-in holds an access lock on itself");
  SPMessageData unload{};
  send(kSPAccessCaller, kSPUnloadSelector, &unload, "");
  module_.unload();
  host_.pluginModule = nullptr;
  if (!load()) {
    running_ = false;
    return notSent(kSPAccessCaller, kSPReloadSelector, loadError_);
  }
  SPMessageData reload{};
  send(kSPAccessCaller, kSPReloadSelector, &reload, "");
}

void Session::about() {
  if (!running_) return notSent(kSPInterfaceCaller, kSPAboutSelector, "the plug-in is not running");
  SPMessageData message{};
  send(kSPInterfaceCaller, kSPAboutSelector, &message, "");
}

void Session::sendPlain(const std::string& caller, const std::string& selector) {
  if (!running_) return notSent(caller.c_str(), selector.c_str(), "the plug-in is not running");
  SPMessageData message{};
  send(caller.c_str(), selector.c_str(), &message, "");
}

void Session::shutdown() {
  if (!running_) return;
  SPMessageData message{};
  send(kSPInterfaceCaller, kSPShutdownSelector, &message, "");
  running_ = false;
  module_.unload();
  host_.pluginModule = nullptr;
}

}  // namespace orvan::aihost
