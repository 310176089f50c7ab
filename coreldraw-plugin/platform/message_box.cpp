// Modal Windows message boxes for the plug-in's messages.
#include "platform/message_box.h"

#include "platform/host_window.h"

namespace orvan::corel {

int ShowMessage(HWND owner, const std::wstring& text, const wchar_t* caption, UINT style) {
  return MessageBoxW(owner, text.c_str(), caption, style);
}

void ShowError(const Dispatch& application, const std::wstring& text) {
  ShowMessage(HostMainWindow(application), text, L"Error", MB_OK | MB_ICONERROR);
}

}  // namespace orvan::corel
