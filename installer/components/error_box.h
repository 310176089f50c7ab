// The standard error box of the window framework: an error that escapes a handler is shown here,
// with the application's title, and the program goes on.
#pragma once
#include <windows.h>

#include <string>

namespace orvan::ui {

void SetApplicationTitle(const std::string& title);
const std::string& ApplicationTitle();

// Shows the message in a modal error box owned by the given window (may be null); returns when closed.
void ShowErrorBox(HWND owner, const std::string& message) noexcept;

// The text of the exception being handled (call only inside a catch block).
std::string CurrentErrorText() noexcept;

}  // namespace orvan::ui
