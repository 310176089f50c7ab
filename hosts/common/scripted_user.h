// The scripted user of the simulated hosts: answers the real dialogs and message boxes that a
// plug-in shows inside the host's process, records what they said, and never lets one hang a test.
//
// Usage:
//   orvan::scripted::ScriptedUser user({orvan::scripted::ParseRule("Warning|Could not=OK")});
//   CallThePlugin();                       // any MessageBox / DialogBox it opens is answered
//   for (const auto& d : user.Take()) ...  // caption, texts, icon, buttons, answer
//
// A watcher thread looks every few milliseconds at the visible, enabled top-level dialog windows
// (class "#32770": message boxes and resource dialogs) of this process. For each new one it
// records caption, static texts, icon and push buttons, then presses the button of the first
// rule that matches, or by the default rule the dialog's default button (else OK, else Cancel,
// else the first button). A dialog still open `timeout` after it was first seen is closed with
// Cancel and recorded as timed out, so a dialog that ignores its buttons cannot hang the caller.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace orvan::scripted {

// One line of the script. Empty caption or text match any dialog; otherwise each must be a
// substring of the dialog's caption, respectively of one of its static texts. button is the
// text of the button to press, compared without "&" and case-insensitively.
struct Rule {
  std::string caption;
  std::string text;
  std::string button;
  bool once = false;  // used up by its first match (for dialogs that come back with other answers)
  // File dialogs: typed into the dialog's file name field before the button is pressed.
  std::string fileName;
};

// "CAPTION|TEXT=BUTTON", "TEXT=BUTTON" (any caption) or "=BUTTON" (any dialog); a leading "1:"
// makes the rule a once-only rule. Throws std::invalid_argument when "=" is missing.
Rule ParseRule(const std::string& line);

struct DialogRecord {
  std::string caption;
  std::vector<std::string> texts;    // static texts, in the dialog's child order, empty ones left out
  std::string icon;                  // "", "error", "warning", "information", "question" or "custom"
  std::vector<std::string> buttons;  // push-button texts without "&", in child order
  std::string answer;                // text of the button pressed ("" when none could be pressed)
  bool byRule = false;               // false: the default rule chose the answer
  bool timedOut = false;             // closed with Cancel after the timeout
  std::string typed;                 // file name typed by the rule before pressing ("" when none)
};

struct Options {
  std::chrono::milliseconds poll{20};
  std::chrono::milliseconds timeout{8000};
  // How long the user looks at a new dialog before answering it (for demonstrations and screenshots).
  std::chrono::milliseconds think{0};
};

class ScriptedUser {
 public:
  explicit ScriptedUser(std::vector<Rule> script = {}, Options options = {});
  ~ScriptedUser();  // stops the watcher; dialogs still open are left to their owners
  ScriptedUser(const ScriptedUser&) = delete;
  ScriptedUser& operator=(const ScriptedUser&) = delete;

  // Records of the dialogs answered since the last call, in the order they appeared.
  std::vector<DialogRecord> Take();
  // Every record since the start.
  std::vector<DialogRecord> All() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace orvan::scripted
