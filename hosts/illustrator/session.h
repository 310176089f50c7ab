// One session of the simulated Illustrator with one plug-in: startup, the application-started
// notification, menu commands, unload and reload, About, shutdown, each message recorded.
#pragma once

#include <string>

#include "host.h"
#include "plugin_module.h"

namespace orvan::aihost {

class Session {
 public:
  Session(Host& host, scripted::ScriptedUser& user) : host_(host), user_(user) {}

  // Loads the plug-in, sends startup and, when asked for, the application-started notification.
  // False when the plug-in is not running afterwards; loadError says why when it did not load.
  bool start(const std::string& file);
  void run(const std::string& itemText);
  // Unload and reload; a plug-in that holds an access lock on itself stays loaded.
  void cycle(bool ignoreAccessLock);
  void about();
  // Any caller and selector, with the plain message record.
  void sendPlain(const std::string& caller, const std::string& selector);
  void shutdown();

  bool running() const { return running_; }
  const std::string& loadError() const { return loadError_; }
  const Pipl& pipl() const { return module_.pipl(); }

 private:
  Host& host_;
  scripted::ScriptedUser& user_;
  PluginModule module_;
  std::string file_;
  bool running_ = false;
  std::string loadError_;

  AIErr send(const char* caller, const char* selector, SPMessageData* message, const std::string& detail);
  void notSent(const std::string& caller, const std::string& selector, const std::string& why);
  bool load();
  bool reachable(const MenuItem& item) const;
};

}  // namespace orvan::aihost
