// lblScribo as the detection sees it: a label whose caption and text colour can be set.
#pragma once
#include <windows.h>

#include "status_label.h"

namespace orvan::installer {

class LabelStatus : public StatusLabel {
public:
  void Attach(HWND label) { label_ = label; }
  void SetCaption(const std::string& caption) override;
  void SetColour(uint32_t colorref) override;
  HWND Handle() const { return label_; }
  COLORREF Colour() const { return colour_; }

private:
  HWND label_ = nullptr;
  COLORREF colour_ = GetSysColor(COLOR_WINDOWTEXT);
};

}  // namespace orvan::installer
