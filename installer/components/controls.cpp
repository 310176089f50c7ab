// Creation of the standard controls by kind.
#include "controls.h"

#include <commctrl.h>

#include <stdexcept>

#include "tab_page.h"
#include "window.h"

namespace orvan::ui {

namespace {

struct KindStyle {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

KindStyle StyleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Notebook:
      return {WC_TABCONTROLA, WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_SINGLELINE, WS_EX_CONTROLPARENT};
    case ControlKind::Group:
      return {"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT};
    case ControlKind::Check:
      return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::Button:
      return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::Label:
      return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::Memo:
      // No horizontal scroll bar: a long report line wraps at the memo's width and stays one line.
      return {"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::Picture:
      return {"STATIC", SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL, 0};
    case ControlKind::Page:
      break;
  }
  return {nullptr, 0, 0};
}

}  // namespace

HWND CreateControl(const ControlArgs& args) {
  KindStyle kind = StyleOf(args.kind);
  if (!kind.className) throw std::logic_error("Pages are made by TTabPage");
  DWORD style = WS_CHILD | kind.style | ((args.flags & kHidden) ? 0 : WS_VISIBLE) |
                ((args.flags & kDisabled) ? WS_DISABLED : 0);
  HWND control = CreateWindowExA(kind.exStyle, kind.className, args.caption.c_str(), style, args.x, args.y,
                                 args.width, args.height, args.parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), ThisModule(), nullptr);
  if (!control) throw std::runtime_error("Cannot create the control \"" + args.caption + "\"");
  if (args.kind == ControlKind::Group) ForwardChildNotifications(control);
  if (args.kind == ControlKind::Memo) SendMessageA(control, EM_SETLIMITTEXT, 0, 0);
  if (args.flags & kHelpCursor) SetPropA(control, kHelpCursorProperty, reinterpret_cast<HANDLE>(1));
  return control;
}

HFONT CreateScaledFont(const char* face, int pixelHeight) {
  LOGFONTA font{};
  font.lfHeight = -Scaled(pixelHeight);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

void FitLabelWidth(HWND label) {
  std::string text = WindowText(label);
  HDC dc = GetDC(label);
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  RECT r{};
  GetWindowRect(label, &r);
  SetWindowPos(label, nullptr, 0, 0, extent.cx + 1, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace orvan::ui
