// A notebook page: forwards its children's notifications and shows the help cursor over marked controls.
#include "tab_page.h"

#include "controls.h"

namespace orvan::ui {

void TTabPage::Create(HWND notebook, int id, const std::string& caption) {
  RegisterWindowClass({.name = kClassName});
  CreateHandle({.className = kClassName,
                .caption = caption,
                .style = WS_CHILD | WS_CLIPSIBLINGS,
                .exStyle = WS_EX_CONTROLPARENT,
                .x = 0,
                .y = 0,
                .width = 10,
                .height = 10,
                .parent = notebook,
                .id = id});
}

LRESULT TTabPage::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (ForwardsToForm(message)) return ForwardToForm(Handle(), message, wParam, lParam);
  if (message == WM_SETCURSOR) {
    // A disabled control takes no mouse messages, so the page answers for the control under the cursor.
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(Handle(), &at);
    HWND under = ChildWindowFromPointEx(Handle(), at, CWP_SKIPINVISIBLE);
    if (under && under != Handle() && GetPropA(under, kHelpCursorProperty)) {
      SetCursor(LoadCursor(nullptr, IDC_HELP));
      return TRUE;
    }
  }
  return Window::WndProc(message, wParam, lParam);
}

}  // namespace orvan::ui
