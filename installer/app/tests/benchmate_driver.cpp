// Finding and operating Benchmate's windows from another process.
#include "benchmate_driver.h"

#include <stdexcept>

namespace benchmate_driver {

namespace {

struct Search {
  DWORD pid;
  const char* className;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (pid == search->pid && lstrcmpA(name, search->className) == 0 && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

Benchmate::Benchmate(const std::string& exePath) {
  std::string folder = exePath.substr(0, exePath.find_last_of('\\'));
  std::string command = "\"" + exePath + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(exePath.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &info_))
    throw std::runtime_error("Cannot start " + exePath + ", error " + std::to_string(GetLastError()));
}

Benchmate::~Benchmate() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    if (HWND form = WaitForWindow("TPluginForm", 0)) PostMessageA(form, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, 10000) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, 10000);
    }
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND Benchmate::WaitForWindow(const char* className, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    Search search{info_.dwProcessId, className, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (GetTickCount() - start >= timeoutMs || WaitForSingleObject(info_.hProcess, 0) != WAIT_TIMEOUT) return nullptr;
    Sleep(50);
  }
}

HWND Benchmate::Form(DWORD timeoutMs) {
  HWND form = WaitForWindow("TPluginForm", timeoutMs);
  // Creation may still run when the window shows; an answered message means it is done.
  if (form) SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, nullptr);
  return form;
}

DWORD Benchmate::WaitForExit(DWORD timeoutMs) {
  WaitForSingleObject(info_.hProcess, timeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::string Text(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 10000, &length)) return "<no answer>";
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 10000,
                      &copied);
  text.resize(copied);
  return text;
}

HWND Child(HWND parent, const std::string& caption, const char* className) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (className && lstrcmpiA(name, className) != 0) continue;
    if (caption.empty() || Text(child) == caption) return child;
  }
  return nullptr;
}

HWND Page(HWND form, const std::string& caption) {
  HWND notebook = Child(form, "", "SysTabControl32");
  return notebook ? Child(notebook, caption, "TTabPage") : nullptr;
}

HWND Find(HWND form, const std::vector<std::string>& captions) {
  if (captions.empty()) return nullptr;
  HWND at = Page(form, captions.front());
  for (size_t i = 1; at && i < captions.size(); ++i) at = Child(at, captions[i]);
  return at;
}

std::string ShownPage(HWND form) {
  HWND notebook = Child(form, "", "SysTabControl32");
  std::string shown;
  for (HWND page = notebook ? GetWindow(notebook, GW_CHILD) : nullptr; page; page = GetWindow(page, GW_HWNDNEXT))
    if (IsWindowVisible(page)) {
      if (!shown.empty()) shown += "|";
      shown += Text(page);
    }
  return shown;
}

bool Press(HWND button, DWORD timeoutMs) {
  return button && SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, nullptr) != 0;
}

std::string ReportText(HWND form) {
  HWND memo = Child(Page(form, "Installation Report"), "", "Edit");
  return memo ? Text(memo) : "<no memo>";
}

std::map<std::string, BoxState> CheckBoxes(HWND form) {
  std::map<std::string, BoxState> boxes;
  for (const char* pageCaption : {"Cutrix Plug-in", "Palette"}) {
    HWND page = Page(form, pageCaption);
    for (HWND group = page ? GetWindow(page, GW_CHILD) : nullptr; group; group = GetWindow(group, GW_HWNDNEXT)) {
      for (HWND box = GetWindow(group, GW_CHILD); box; box = GetWindow(box, GW_HWNDNEXT)) {
        LONG type = GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK;
        if (type != BS_AUTOCHECKBOX && type != BS_CHECKBOX) continue;
        DWORD_PTR state = 0;
        SendMessageTimeoutA(box, BM_GETCHECK, 0, 0, SMTO_NORMAL, 10000, &state);
        boxes[std::string(pageCaption) + "/" + Text(group) + "/" + Text(box)] = {state == BST_CHECKED,
                                                                                 IsWindowEnabled(box) != FALSE};
      }
    }
  }
  return boxes;
}

}  // namespace benchmate_driver
