// Reads window handles from the host: automation passes them as 32-bit numbers, which is all
// a window handle ever uses, also in a 64-bit process.
#include "platform/host_window.h"

#include "host_members.h"

namespace orvan::corel {

namespace {

HWND HandleOf(const Dispatch& window) {
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(window.get(member::Handle).toInteger()));
}

}  // namespace

HWND HostMainWindow(const Dispatch& application) { return HandleOf(application.object(member::AppWindow)); }

HWND HostMainWindowOrNone(const Dispatch& application) noexcept {
  try {
    return HostMainWindow(application);
  } catch (...) {
    return nullptr;
  }
}

HWND HostActiveWindow(const Dispatch& application) { return HandleOf(application.object(member::ActiveWindow)); }

}  // namespace orvan::corel
