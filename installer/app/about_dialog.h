// TAboutDlg: the About dialog, a dark tiled image panel with the maker's logo, the product's description,
// version and copyright line read from the executable's version resource, and an OK button.
#pragma once
#include <windows.h>

#include <string>

#include "gdi_objects.h"
#include "image_panel.h"
#include "window.h"

namespace orvan::installer {

class TAboutDlg : public orvan::ui::Window {
public:
  static constexpr const char* kClassName = "TAboutDlg";

  explicit TAboutDlg(HWND owner);
  ~TAboutDlg() override;

  // Shows the dialog modally and returns the modal result (IDOK for OK and Esc, IDCANCEL when closed).
  int ShowModal();

protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  void CreateForm();
  void FormCreate();
  HWND AddControl(const char* className, DWORD style, int id, int x, int y, int width, int height,
                  const std::string& caption, HFONT font);
  void DrawLogo(const DRAWITEMSTRUCT& item);

  HWND owner_;
  int modalResult_ = 0;
  orvan::ui::TImagePanel imagePanel1_{"ImagePanel1"};
  HWND imgCompany_ = nullptr;
  HWND lblDescription_ = nullptr, lblVersion_ = nullptr, lblCopyright_ = nullptr, cmdOK_ = nullptr;
  orvan::ui::Font formFont_, labelFont_;
  orvan::ui::Bitmap logo_;  // premultiplied alpha, ready for AlphaBlend
  SIZE logoSize_{};
  HICON icon_ = nullptr, smallIcon_ = nullptr;
};

}  // namespace orvan::installer
