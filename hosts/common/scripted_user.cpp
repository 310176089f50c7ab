// The watcher thread of the scripted user: finds this process's dialogs, records and answers them.
#include "scripted_user.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <condition_variable>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace orvan::scripted {
namespace {

using Clock = std::chrono::steady_clock;

std::string WithoutAmpersands(std::string text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') out += '&', ++i;
      continue;
    }
    out += text[i];
  }
  return out;
}

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The dialog's thread sits in its modal loop and answers WM_GETTEXT; the timeout only guards a
// thread that stopped pumping, which must not stall the watcher.
std::string WindowText(HWND window) {
  char buffer[2048] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG | SMTO_BLOCK, 1000, &copied))
    return {};
  return std::string(buffer, std::min<std::size_t>(copied, sizeof buffer - 1));
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string IconName(HICON icon) {
  if (!icon) return "";
  struct Known { LPCSTR id; const char* name; };
  const Known known[] = {{IDI_HAND, "error"}, {IDI_EXCLAMATION, "warning"},
                         {IDI_ASTERISK, "information"}, {IDI_QUESTION, "question"}};
  for (const auto& k : known)
    if (LoadIconA(nullptr, k.id) == icon) return k.name;
  return "custom";
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectProcessDialog(HWND window, LPARAM list) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == GetCurrentProcessId() && IsWindowVisible(window) && ClassName(window) == "#32770")
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

struct Child {
  HWND window;
  int id;
  std::string text;
  bool isDefault;
};

struct Inspection {
  DialogRecord record;
  std::vector<Child> buttons;
};

Inspection Inspect(HWND dialog) {
  Inspection result;
  result.record.caption = WindowText(dialog);
  std::vector<HWND> children;
  EnumChildWindows(dialog, CollectWindow, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    if (GetParent(child) != dialog) continue;
    const std::string cls = ClassName(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (SameText(cls, "Static")) {
      if ((style & SS_TYPEMASK) == SS_ICON) {
        auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        if (result.record.icon.empty()) result.record.icon = IconName(icon);
        continue;
      }
      std::string text = WindowText(child);
      if (!text.empty()) result.record.texts.push_back(text);
    } else if (SameText(cls, "Button")) {
      const LONG type = style & BS_TYPEMASK;
      if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) continue;
      std::string text = WithoutAmpersands(WindowText(child));
      result.record.buttons.push_back(text);
      result.buttons.push_back({child, GetDlgCtrlID(child), text, type == BS_DEFPUSHBUTTON});
    }
  }
  return result;
}

bool Matches(const Rule& rule, const DialogRecord& record) {
  if (!rule.caption.empty() && record.caption.find(rule.caption) == std::string::npos) return false;
  if (rule.text.empty()) return true;
  return std::any_of(record.texts.begin(), record.texts.end(),
                     [&](const std::string& t) { return t.find(rule.text) != std::string::npos; });
}

// The button drawn as default wins: Wine's message box marks MB_DEFBUTTONn only by that style.
const Child* DefaultButton(HWND dialog, const std::vector<Child>& buttons) {
  for (const auto& b : buttons)
    if (b.isDefault) return &b;
  LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
  const int preferred[] = {HIWORD(def) == DC_HASDEFID ? static_cast<int>(LOWORD(def)) : -1, IDOK, IDCANCEL};
  for (int id : preferred)
    for (const auto& b : buttons)
      if (id != -1 && b.id == id) return &b;
  return buttons.empty() ? nullptr : &buttons.front();
}

// The file name field of a common file dialog: the combo box cmb13 of the explorer style, the
// edit control edt1 of the old style, else the dialog's first edit control.
HWND FileNameField(HWND dialog) {
  for (int id : {0x47C, 0x480})
    if (HWND field = GetDlgItem(dialog, id)) return field;
  std::vector<HWND> children;
  EnumChildWindows(dialog, CollectWindow, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children)
    if (SameText(ClassName(child), "Edit")) return child;
  return nullptr;
}

bool Type(HWND dialog, const std::string& text) {
  HWND field = FileNameField(dialog);
  DWORD_PTR ignored = 0;
  return field && SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                      SMTO_ABORTIFHUNG | SMTO_BLOCK, 1000, &ignored);
}

void Press(HWND dialog, const Child& button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button.id, BN_CLICKED), reinterpret_cast<LPARAM>(button.window));
}

}  // namespace

Rule ParseRule(const std::string& line) {
  Rule rule;
  std::string text = line;
  if (text.rfind("1:", 0) == 0) {
    rule.once = true;
    text = text.substr(2);
  }
  const auto eq = text.rfind('=');
  if (eq == std::string::npos) throw std::invalid_argument("scripted answer without '=': " + line);
  rule.button = text.substr(eq + 1);
  const std::string match = text.substr(0, eq);
  const auto bar = match.find('|');
  if (bar == std::string::npos) {
    rule.text = match;
  } else {
    rule.caption = match.substr(0, bar);
    rule.text = match.substr(bar + 1);
  }
  return rule;
}

struct ScriptedUser::State {
  std::vector<Rule> script;
  std::vector<bool> used;
  Options options;
  mutable std::mutex mutex;
  std::condition_variable wake;
  bool stopping = false;
  std::vector<DialogRecord> records;
  std::size_t taken = 0;
  struct Open {
    Clock::time_point seen;
    std::size_t record;
    bool closing = false;
  };
  std::map<HWND, Open> open;
  std::map<HWND, Clock::time_point> firstSeen;  // dialogs not answered yet
  std::thread watcher;

  void Watch() {
    std::unique_lock lock(mutex);
    while (!stopping) {
      lock.unlock();
      Look();
      lock.lock();
      wake.wait_for(lock, options.poll, [&] { return stopping; });
    }
  }

  static std::vector<HWND> ProcessDialogs() {
    std::vector<HWND> found;
    EnumWindows(CollectProcessDialog, reinterpret_cast<LPARAM>(&found));
    return found;
  }

  void Look() {
    const auto now = Clock::now();
    const auto dialogs = ProcessDialogs();
    auto gone = [&](HWND window) { return std::find(dialogs.begin(), dialogs.end(), window) == dialogs.end(); };
    std::erase_if(open, [&](const auto& entry) { return gone(entry.first); });
    std::erase_if(firstSeen, [&](const auto& entry) { return gone(entry.first); });
    for (HWND dialog : dialogs) {
      auto known = open.find(dialog);
      if (known != open.end()) {
        if (!known->second.closing && now - known->second.seen > options.timeout) {
          known->second.closing = true;
          {
            std::lock_guard guard(mutex);
            records[known->second.record].timedOut = true;
          }
          PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
          PostMessageA(dialog, WM_CLOSE, 0, 0);
          EndDialog(dialog, IDCANCEL);
        }
        continue;
      }
      // A dialog below a nested one is disabled; it is answered once it is in front again.
      if (!IsWindowEnabled(dialog)) continue;
      const auto seen = firstSeen.try_emplace(dialog, now).first->second;
      if (now - seen < options.think) continue;
      Answer(dialog, now);
    }
  }

  void Answer(HWND dialog, Clock::time_point now) {
    Inspection seen = Inspect(dialog);
    const Child* press = nullptr;
    for (std::size_t i = 0; i < script.size() && !press; ++i) {
      if (used[i] || !Matches(script[i], seen.record)) continue;
      for (const auto& b : seen.buttons)
        if (SameText(b.text, WithoutAmpersands(script[i].button))) press = &b;
      if (press) {
        seen.record.byRule = true;
        if (script[i].once) used[i] = true;
        if (!script[i].fileName.empty() && Type(dialog, script[i].fileName)) seen.record.typed = script[i].fileName;
      }
    }
    if (!press) press = DefaultButton(dialog, seen.buttons);
    if (press) seen.record.answer = press->text;
    std::size_t index;
    {
      std::lock_guard guard(mutex);
      records.push_back(seen.record);
      index = records.size() - 1;
    }
    open[dialog] = Open{now, index};
    if (press) Press(dialog, *press);
  }
};

ScriptedUser::ScriptedUser(std::vector<Rule> script, Options options) : state_(std::make_unique<State>()) {
  state_->used.assign(script.size(), false);
  state_->script = std::move(script);
  state_->options = options;
  state_->watcher = std::thread([s = state_.get()] { s->Watch(); });
}

ScriptedUser::~ScriptedUser() {
  {
    std::lock_guard guard(state_->mutex);
    state_->stopping = true;
  }
  state_->wake.notify_all();
  state_->watcher.join();
}

std::vector<DialogRecord> ScriptedUser::Take() {
  std::lock_guard guard(state_->mutex);
  std::vector<DialogRecord> fresh(state_->records.begin() + static_cast<std::ptrdiff_t>(state_->taken),
                                  state_->records.end());
  state_->taken = state_->records.size();
  return fresh;
}

std::vector<DialogRecord> ScriptedUser::All() const {
  std::lock_guard guard(state_->mutex);
  return state_->records;
}

}  // namespace orvan::scripted
