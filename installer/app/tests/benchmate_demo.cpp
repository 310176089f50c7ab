// The demo's hands on a running Benchmate.exe: one command per call, so a script can take a screenshot
// between them. Prints window rectangles as "left top width height" for cropping.
//   benchmate_demo form | page INDEX | press CAPTION... | about | close-about | close
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "benchmate_driver.h"

using namespace benchmate_driver;

namespace {

HWND WaitFor(const char* className, DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
    HWND window = FindWindowA(className, nullptr);
    if (window && IsWindowVisible(window)) {
      SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, nullptr);
      return window;
    }
    Sleep(100);
  }
  return nullptr;
}

int PrintRect(HWND window) {
  if (!window) {
    std::fprintf(stderr, "benchmate_demo: window not found\n");
    return 1;
  }
  RECT r{};
  GetWindowRect(window, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fprintf(stderr, "usage: benchmate_demo form | page INDEX | press CAPTION... | about | close-about | close\n");
    return 2;
  }
  HWND form = WaitFor("TPluginForm", 60000);
  if (!form) return PrintRect(nullptr);
  const std::string& command = args[0];
  if (command == "form") return PrintRect(form);
  if (command == "page" && args.size() == 2) {
    // Focusing a tab selects it and notifies the window as a click on the tab does.
    SendMessageA(Child(form, "", "SysTabControl32"), TCM_SETCURFOCUS, std::stoi(args[1]), 0);
    return PrintRect(form);
  }
  if (command == "press" && args.size() >= 2) {
    std::vector<std::string> path(args.begin() + 1, args.end());
    HWND button = path.size() == 1 ? Child(form, path[0], "Button") : Find(form, path);
    if (!Press(button)) return PrintRect(nullptr);
    return PrintRect(form);
  }
  if (command == "about") {
    PostMessageA(form, WM_SYSCOMMAND, 16, 0);
    return PrintRect(WaitFor("TAboutDlg", 20000));
  }
  if (command == "close-about") {
    HWND about = WaitFor("TAboutDlg", 5000);
    if (!about) return PrintRect(nullptr);
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
    return 0;
  }
  if (command == "close") {
    PostMessageA(form, WM_CLOSE, 0, 0);
    return 0;
  }
  std::fprintf(stderr, "benchmate_demo: unknown command %s\n", command.c_str());
  return 2;
}
