// Window class registration, creation and the routing window procedure.
#include "window.h"

#include <commctrl.h>

#include <stdexcept>

#include "error_box.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace orvan::ui {

HINSTANCE ThisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

Window::~Window() {
  if (hwnd_) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Window::RegisterWindowClass(const WindowClassArgs& args) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = args.style;
  wc.lpfnWndProc = &Window::Route;
  wc.hInstance = ThisModule();
  wc.hIcon = args.icon;
  wc.hIconSm = args.smallIcon;
  wc.hCursor = args.cursor;
  wc.hbrBackground = args.background;
  wc.lpszClassName = args.name;
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw std::runtime_error(std::string("Cannot register the window class ") + args.name);
}

void Window::CreateHandle(const WindowArgs& args) {
  HMENU menu = args.parent && (args.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id))
                                                      : nullptr;
  HWND made = CreateWindowExA(args.exStyle, args.className, args.caption.c_str(), args.style, args.x, args.y,
                              args.width, args.height, args.parent, menu, ThisModule(), this);
  if (!made) throw std::runtime_error(std::string("Cannot create the window ") + args.className);
}

LRESULT Window::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    LRESULT result = self->WndProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
      self->HandleDestroyed();
    }
    return result;
  } catch (...) {
    // The handler stopped where it failed; the user sees why and the program goes on.
    ShowErrorBox(GetAncestor(hwnd, GA_ROOT), CurrentErrorText());
    if (message == WM_NCCREATE) return FALSE;
    if (message == WM_CREATE) return -1;
    return 0;
  }
}

bool ForwardsToForm(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return true;
    default:
      return false;
  }
}

LRESULT ForwardToForm(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND form = GetAncestor(container, GA_ROOT);
  if (!form || form == container) return DefWindowProcA(container, message, wParam, lParam);
  return SendMessageA(form, message, wParam, lParam);
}

namespace {
LRESULT CALLBACK ForwardingSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR) noexcept {
  if (ForwardsToForm(message)) return ForwardToForm(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &ForwardingSubclass, 1);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}
}  // namespace

void ForwardChildNotifications(HWND control) { SetWindowSubclass(control, &ForwardingSubclass, 1, 0); }

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

int Scaled(int pixelsAt96) {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return MulDiv(pixelsAt96, dpi, 96);
}

}  // namespace orvan::ui
