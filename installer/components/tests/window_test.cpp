// The window layer's boundary: an error that escapes a message handler is shown in the standard error box
// with the application's title, and the window goes on handling messages afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

#include "error_box.h"
#include "window.h"

using namespace orvan::ui;

namespace {

constexpr UINT kFail = WM_APP + 1;
constexpr UINT kWork = WM_APP + 2;

class FailingWindow : public Window {
public:
  void Create() {
    RegisterWindowClass({.name = "OrvanFailingWindow"});
    CreateHandle({.className = "OrvanFailingWindow", .caption = "failing", .style = WS_POPUP});
  }
  int worked = 0;

protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kFail) throw std::runtime_error(reinterpret_cast<const char*>(lParam));
    if (message == kWork) return ++worked;
    return Window::WndProc(message, wParam, lParam);
  }
};

struct SeenBox {
  std::string title, text;
};

// Waits on another thread for an error box of this process, reads it and presses OK, as a user would.
SeenBox AnswerErrorBox(std::atomic<bool>& stop) {
  SeenBox seen;
  DWORD self = GetCurrentProcessId();
  while (!stop) {
    for (HWND box = FindWindowA("#32770", nullptr); box; box = FindWindowExA(nullptr, box, "#32770", nullptr)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(box, &pid);
      if (pid != self || !IsWindowVisible(box)) continue;
      char text[256] = {}, title[256] = {};
      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
      GetWindowTextA(box, title, sizeof title);
      seen = {title, text};
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      return seen;
    }
    Sleep(50);
  }
  return seen;
}

struct ErrorCase {
  const char* name;
  const char* thrown;
  const char* shown;
};

class ErrorBox : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorBox, AnEscapingErrorIsShownWithTheTitleAndTheWindowGoesOn) {
  SetApplicationTitle("Orvan Cutbench");
  FailingWindow window;
  window.Create();
  std::atomic<bool> stop = false;
  SeenBox seen;
  std::thread user([&] { seen = AnswerErrorBox(stop); });
  LRESULT failed = SendMessageA(window.Handle(), kFail, 0, reinterpret_cast<LPARAM>(GetParam().thrown));
  stop = true;
  user.join();
  EXPECT_EQ(failed, 0);
  EXPECT_EQ(seen.title, "Orvan Cutbench");
  EXPECT_EQ(seen.text, GetParam().shown);
  EXPECT_EQ(SendMessageA(window.Handle(), kWork, 0, 0), 1);
  EXPECT_TRUE(IsWindow(window.Handle()));
}

INSTANTIATE_TEST_SUITE_P(Messages, ErrorBox,
                         ::testing::Values(ErrorCase{"GetsAFullStop", "Cannot write the report", "Cannot write the report."},
                                           ErrorCase{"KeepsItsOwnFullStop", "Disk full.", "Disk full."},
                                           ErrorCase{"EmptyTextIsExplained", "", "An unexpected error occurred."}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
