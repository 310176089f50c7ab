// The thin window layer every form and control of the installer builds on: class registration,
// creation arguments, and one window procedure that routes messages to an object and is the
// boundary where an escaping error is shown in the standard error box.
#pragma once
#include <windows.h>

#include <string>

namespace orvan::ui {

// The module that holds this code: window classes are registered for it.
HINSTANCE ThisModule();

struct WindowClassArgs {
  const char* name = nullptr;
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  HCURSOR cursor = LoadCursor(nullptr, IDC_ARROW);
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
  UINT style = CS_HREDRAW | CS_VREDRAW;
};

struct WindowArgs {
  const char* className = nullptr;
  std::string caption;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
  HWND parent = nullptr;
  int id = 0;  // child windows only
};

class Window {
public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();  // destroys the window if it still exists

  HWND Handle() const { return hwnd_; }

protected:
  // Registers a class whose windows route to Window objects; registering twice is harmless.
  static void RegisterWindowClass(const WindowClassArgs& args);
  // Creates the window for this object; throws std::runtime_error when Windows refuses.
  void CreateHandle(const WindowArgs& args);

  // Messages of this window; the default is the inherited (DefWindowProc) processing.
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Called once the handle is gone (WM_NCDESTROY); the object itself is still alive.
  virtual void HandleDestroyed() {}

private:
  static LRESULT CALLBACK Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  HWND hwnd_ = nullptr;
};

// Containers (pages, group boxes, panels) pass their children's notifications to the form that owns them,
// so one form handles every command of its controls.
bool ForwardsToForm(UINT message);
LRESULT ForwardToForm(HWND container, UINT message, WPARAM wParam, LPARAM lParam);

// Lets a standard control (a group box) forward its children's notifications to the form.
void ForwardChildNotifications(HWND control);

// Text of a window as 8-bit text.
std::string WindowText(HWND window);

// A length in pixels at 96 dots per inch, scaled to the screen's dots per inch.
int Scaled(int pixelsAt96);

}  // namespace orvan::ui
