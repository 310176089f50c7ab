// Window handles that CorelDRAW reports for its main window and its active window.
#pragma once
#include <windows.h>

#include "com/dispatch.h"

namespace orvan::corel {

HWND HostMainWindow(const Dispatch& application);       // AppWindow.Handle
HWND HostMainWindowOrNone(const Dispatch& application) noexcept;  // null when the host cannot say
HWND HostActiveWindow(const Dispatch& application);     // ActiveWindow.Handle

}  // namespace orvan::corel
