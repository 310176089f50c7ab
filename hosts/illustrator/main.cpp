// The simulated Illustrator: loads one plug-in file, keeps a document, sends the messages of a
// session and writes what became of it. Real dialogs the plug-in opens are answered by the
// scripted user.
//
//   ai_host --plugin FILE.aip [--doc ARTWORK.json] [--run "MENU ITEM TEXT"]... [--cycle] [--about]
//           [--fail "SUITE.OPERATION@N=CODE"]... [--answer "CAPTION|TEXT=BUTTON"]...
//           [--other-plugin-group NAME] [--withhold "SUITE NAME@VERSION"]... [--ignore-access-lock]
//           [--send "CALLER:SELECTOR"]... [--dialog-timeout MS] [--dialog-think MS]
//           [--dump OUT.json] [--svg OUT.svg]
//
// --run, --cycle, --about and --send (a message with nothing but the basic record) run in the order given, between startup and shutdown. Exit code 0
// when the session ran (whatever the plug-in answered; the dump tells), 2 for a command line, an
// artwork file or a plug-in file the host cannot use.
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "artwork_json.h"
#include "dump.h"
#include "host.h"
#include "session.h"
#include "svg.h"

namespace {

using namespace orvan::aihost;

struct Command {
  enum Kind { Run, Cycle, About, Send } kind;
  std::string text;
};

struct Options {
  std::string plugin, doc, dump, svg;
  std::vector<Command> commands;
  std::vector<std::string> failures, answers, withheld;
  std::string otherGroup;
  bool ignoreAccessLock = false;
  int dialogTimeoutMs = 8000;
  int dialogThinkMs = 0;
};

Options Parse(int argc, char** argv) {
  Options o;
  auto value = [&](int& i) -> std::string {
    if (i + 1 >= argc) throw std::invalid_argument(std::string(argv[i]) + " needs a value");
    return argv[++i];
  };
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--plugin") o.plugin = value(i);
    else if (a == "--doc") o.doc = value(i);
    else if (a == "--run") o.commands.push_back({Command::Run, value(i)});
    else if (a == "--cycle") o.commands.push_back({Command::Cycle, ""});
    else if (a == "--about") o.commands.push_back({Command::About, ""});
    else if (a == "--send") o.commands.push_back({Command::Send, value(i)});
    else if (a == "--fail") o.failures.push_back(value(i));
    else if (a == "--answer") o.answers.push_back(value(i));
    else if (a == "--withhold") o.withheld.push_back(value(i));
    else if (a == "--other-plugin-group") o.otherGroup = value(i);
    else if (a == "--ignore-access-lock") o.ignoreAccessLock = true;
    else if (a == "--dialog-timeout") o.dialogTimeoutMs = std::stoi(value(i));
    else if (a == "--dialog-think") o.dialogThinkMs = std::stoi(value(i));
    else if (a == "--dump") o.dump = value(i);
    else if (a == "--svg") o.svg = value(i);
    else throw std::invalid_argument("unknown option " + a);
  }
  if (o.plugin.empty()) throw std::invalid_argument("--plugin FILE.aip is required");
  return o;
}

// The maker's other plug-in got there first: its submenu item under "Export Document", its group
// and one command of its own.
void AddOtherPluginGroup(Host& host, const std::string& group) {
  host.otherPlugin.name = "Other Orvan plug-in";
  MenuItem* item = nullptr;
  host.menus.addItem(host.otherPlugin.name, group, "Export Document", group, &item);
  host.menus.addGroupAsSubmenu(group, item);
  host.menus.addItem(host.otherPlugin.name, "Other Orvan Command", group, "Other Orvan Command", &item);
}

int Main(int argc, char** argv) {
  Options o;
  try {
    o = Parse(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ai_host: %s\n", e.what());
    return 2;
  }
  Host host;
  gHost = &host;
  try {
    for (const auto& f : o.failures) host.failures.add(f);
    for (const auto& w : o.withheld) {
      const auto at = w.rfind('@');
      if (at == std::string::npos) throw std::invalid_argument("expected NAME@VERSION: " + w);
      host.withheld.insert(w.substr(0, at) + " " + std::to_string(std::stoi(w.substr(at + 1))));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ai_host: %s\n", e.what());
    return 2;
  }
  if (!o.doc.empty()) {
    if (std::string why = LoadArtwork(o.doc, host.document); !why.empty()) {
      std::fprintf(stderr, "ai_host: %s\n", why.c_str());
      return 2;
    }
  } else {
    host.document.insertLayer(nullptr, kPlaceAboveAll);
  }
  if (!o.otherGroup.empty()) AddOtherPluginGroup(host, o.otherGroup);

  std::vector<orvan::scripted::Rule> rules;
  for (const auto& a : o.answers) rules.push_back(orvan::scripted::ParseRule(a));
  orvan::scripted::ScriptedUser user(rules, {std::chrono::milliseconds(20), std::chrono::milliseconds(o.dialogTimeoutMs),
                                             std::chrono::milliseconds(o.dialogThinkMs)});

  Session session(host, user);
  int exitCode = 0;
  if (!session.start(o.plugin) && !session.loadError().empty()) {
    std::fprintf(stderr, "ai_host: %s\n", session.loadError().c_str());
    exitCode = 2;
  }
  for (const Command& c : o.commands) {
    switch (c.kind) {
      case Command::Run: session.run(c.text); break;
      case Command::Cycle: session.cycle(o.ignoreAccessLock); break;
      case Command::About: session.about(); break;
      case Command::Send: {
        const auto colon = c.text.find(':');
        session.sendPlain(c.text.substr(0, colon), colon == std::string::npos ? "" : c.text.substr(colon + 1));
        break;
      }
    }
  }
  session.shutdown();

  if (!o.dump.empty() && !WriteDump(o.dump, host, session)) {
    std::fprintf(stderr, "ai_host: cannot write %s\n", o.dump.c_str());
    exitCode = 2;
  }
  if (!o.svg.empty() && !WriteSvg(o.svg, host.document)) {
    std::fprintf(stderr, "ai_host: cannot write %s\n", o.svg.c_str());
    exitCode = 2;
  }
  gHost = nullptr;
  return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Main(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ai_host: %s\n", e.what());
    return 2;
  }
}
