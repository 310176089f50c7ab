// The label's colour is applied when the form answers WM_CTLCOLORSTATIC for it.
#include "label_status.h"

#include "controls.h"

namespace orvan::installer {

void LabelStatus::SetCaption(const std::string& caption) {
  if (!label_) return;
  SetWindowTextA(label_, caption.c_str());
  orvan::ui::FitLabelWidth(label_);
}

void LabelStatus::SetColour(uint32_t colorref) {
  colour_ = colorref;
  if (label_) InvalidateRect(label_, nullptr, TRUE);
}

}  // namespace orvan::installer
