// Appending report lines to the edit control at its end, whatever the user selected or typed.
#include "edit_memo.h"

#include "window.h"

namespace orvan::installer {

void EditMemo::Append(const std::string& line) {
  if (!edit_) return;
  int end = GetWindowTextLengthA(edit_);
  std::string text = (end > 0 || holdsLines_) ? "\r\n" + line : line;
  SendMessageA(edit_, EM_SETSEL, end, end);
  SendMessageA(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  holdsLines_ = true;
}

void EditMemo::Clear() {
  if (edit_) SetWindowTextA(edit_, "");
  holdsLines_ = false;
}

std::string EditMemo::Text() const { return edit_ ? orvan::ui::WindowText(edit_) : std::string(); }

}  // namespace orvan::installer
