// The About dialog: creation from its design values, the version texts, the modal loop.
#include "about_dialog.h"

#include <stdexcept>

#include "controls.h"
#include "version_text.h"

namespace orvan::installer {

using orvan::ui::Scaled;

namespace {

constexpr int kLogoId = 200, kDescriptionId = 201, kVersionId = 202, kCopyrightId = 203;
constexpr COLORREF kLabelColour = RGB(180, 180, 180);
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// Loads a bitmap resource as a DIB section; with premultiply, a 32-bit one gets its colours multiplied by its
// alpha, as AlphaBlend expects of a picture with straight alpha.
orvan::ui::Bitmap LoadPicture(const char* name, SIZE& size, bool premultiply) {
  orvan::ui::Bitmap bitmap(static_cast<HBITMAP>(
      LoadImageA(orvan::ui::ThisModule(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  DIBSECTION dib{};
  if (!bitmap || !GetObjectA(bitmap.get(), sizeof dib, &dib)) return {};
  size = {dib.dsBm.bmWidth, dib.dsBm.bmHeight};
  if (premultiply && dib.dsBm.bmBitsPixel == 32 && dib.dsBm.bmBits) {
    auto* pixel = static_cast<BYTE*>(dib.dsBm.bmBits);
    for (LONG i = 0; i < dib.dsBm.bmWidth * dib.dsBm.bmHeight; ++i, pixel += 4)
      for (int c = 0; c < 3; ++c) pixel[c] = static_cast<BYTE>(pixel[c] * pixel[3] / 255);
  }
  return bitmap;
}

}  // namespace

TAboutDlg::TAboutDlg(HWND owner) : owner_(owner) {}

TAboutDlg::~TAboutDlg() {
  // The window goes before the icons and fonts it shows.
  if (Handle()) DestroyWindow(Handle());
  if (icon_) DestroyIcon(icon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

HWND TAboutDlg::AddControl(const char* className, DWORD style, int id, int x, int y, int width, int height,
                           const std::string& caption, HFONT font) {
  HWND control = CreateWindowExA(0, className, caption.c_str(), WS_CHILD | WS_VISIBLE | style, Scaled(x), Scaled(y),
                                 Scaled(width), Scaled(height), imagePanel1_.Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), orvan::ui::ThisModule(), nullptr);
  if (!control) throw std::runtime_error("Cannot create the About dialog");
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void TAboutDlg::CreateForm() {
  HINSTANCE module = orvan::ui::ThisModule();
  RegisterWindowClass({.name = kClassName});
  RECT frame{0, 0, Scaled(341), Scaled(200)};
  AdjustWindowRectEx(&frame, kDialogStyle, FALSE, kDialogExStyle);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  CreateHandle({.className = kClassName,
                .caption = "About",
                .style = kDialogStyle,
                .exStyle = kDialogExStyle,
                .x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                .y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                .width = width,
                .height = height,
                .parent = owner_});
  icon_ = static_cast<HICON>(LoadImageA(module, "ABOUTICON", IMAGE_ICON, 32, 32, 0));
  smallIcon_ = static_cast<HICON>(LoadImageA(module, "ABOUTICON", IMAGE_ICON, 16, 16, 0));
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

  formFont_.reset(orvan::ui::CreateScaledFont("Tahoma", 11));
  labelFont_.reset(orvan::ui::CreateScaledFont("MS Sans Serif", 11));
  SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(formFont_.get()), FALSE);

  RECT client{};
  GetClientRect(Handle(), &client);
  imagePanel1_.SetCaption("");
  imagePanel1_.SetBackgroundColor(RGB(255, 255, 255));
  imagePanel1_.SetBounds(0, 0, client.right, client.bottom);
  SIZE tileSize{};
  orvan::ui::Bitmap tile = LoadPicture("ABOUTTILE", tileSize, false);
  imagePanel1_.SetImage(tile.get());
  imagePanel1_.CreateIn(Handle());

  logo_ = LoadPicture("ABOUTLOGO", logoSize_, true);
  imgCompany_ = AddControl("STATIC", SS_OWNERDRAW, kLogoId, 16, 16, 309, 100, "", labelFont_.get());
  lblDescription_ = AddControl("STATIC", SS_LEFT | SS_NOPREFIX, kDescriptionId, 16, 136, 309, 14, "lblDescription",
                               labelFont_.get());
  lblVersion_ =
      AddControl("STATIC", SS_LEFT | SS_NOPREFIX, kVersionId, 16, 155, 226, 14, "lblVersion", labelFont_.get());
  // The copyright line may take two lines beside the button rather than run under it.
  lblCopyright_ =
      AddControl("STATIC", SS_LEFT | SS_NOPREFIX, kCopyrightId, 16, 174, 226, 26, "lblCopyright", labelFont_.get());
  cmdOK_ = AddControl("BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 250, 162, 75, 25, "OK", labelFont_.get());
}

void TAboutDlg::FormCreate() {
  std::string name = ExecutableFileName();
  VersionInfoReader versionInfo;
  if (!versionInfo.Loaded()) {
    SetWindowTextA(Handle(), ("About " + name).c_str());
    SetWindowTextA(lblVersion_, "");
    SetWindowTextA(lblCopyright_, "");
    SetWindowTextA(lblDescription_, name.c_str());
    return;
  }
  SetWindowTextA(Handle(), ("About " + versionInfo.Value("ProductName")).c_str());
  SetWindowTextA(lblVersion_, ("Version: " + versionInfo.Value("FileVersion")).c_str());
  SetWindowTextA(lblCopyright_, versionInfo.Value("LegalCopyright").c_str());
  SetWindowTextA(lblDescription_, versionInfo.Value("FileDescription").c_str());
}

int TAboutDlg::ShowModal() {
  CreateForm();
  FormCreate();
  modalResult_ = 0;
  if (owner_) EnableWindow(owner_, FALSE);
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  SetFocus(cmdOK_);
  MSG message{};
  while (modalResult_ == 0 && Handle()) {
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the loop and let the main loop see the request too.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      if (!modalResult_) modalResult_ = IDCANCEL;
      break;
    }
    if (!IsDialogMessageA(Handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  // The owner comes back before the dialog goes, so that it, not another program, becomes active.
  if (owner_) EnableWindow(owner_, TRUE);
  if (Handle()) ShowWindow(Handle(), SW_HIDE);
  return modalResult_;
}

void TAboutDlg::DrawLogo(const DRAWITEMSTRUCT& item) {
  if (!logo_) return;
  orvan::ui::MemoryDC source(item.hDC);
  orvan::ui::Selection select(source.get(), logo_.get());
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  const RECT& r = item.rcItem;
  AlphaBlend(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, source.get(), 0, 0, logoSize_.cx,
             logoSize_.cy, blend);
}

LRESULT TAboutDlg::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Esc arrives as IDCANCEL: it presses OK.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) modalResult_ = IDOK;
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CLOSE:
      modalResult_ = IDCANCEL;
      return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, kLabelColour);
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID == kLogoId) DrawLogo(*item);
      return TRUE;
    }
  }
  return Window::WndProc(message, wParam, lParam);
}

}  // namespace orvan::installer
