// The standard error box shown for errors that escape a handler.
#include "error_box.h"

#include <exception>

namespace orvan::ui {

namespace {
std::string& titleStorage() {
  static std::string title;
  return title;
}
}  // namespace

void SetApplicationTitle(const std::string& title) { titleStorage() = title; }
const std::string& ApplicationTitle() { return titleStorage(); }

void ShowErrorBox(HWND owner, const std::string& message) noexcept {
  try {
    // Messages end with a full stop in the box, whether or not the thrower wrote one.
    std::string text = message.empty() ? std::string("An unexpected error occurred") : message;
    if (text.back() != '.') text += '.';
    MessageBoxA(owner, text.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONERROR);
  } catch (...) {
    MessageBoxA(owner, "An unexpected error occurred.", nullptr, MB_OK | MB_ICONERROR);
  }
}

std::string CurrentErrorText() noexcept {
  try {
    throw;
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "An unexpected error occurred";
  }
}

}  // namespace orvan::ui
