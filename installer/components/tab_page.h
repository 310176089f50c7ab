// TTabPage: one page of a tabbed notebook, a plain container in the colour of buttons' face whose
// children's notifications go to the form.
#pragma once
#include <windows.h>

#include <string>

#include "window.h"

namespace orvan::ui {

class TTabPage : public Window {
public:
  static constexpr const char* kClassName = "TTabPage";
  void Create(HWND notebook, int id, const std::string& caption);

protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace orvan::ui
