// Benchmate.exe's entry: one instance at a time, the main window, the message loop.
#include <windows.h>

#include <commctrl.h>

#include "error_box.h"
#include "main_window.h"
#include "single_instance.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  using namespace orvan::installer;
  orvan::ui::SetApplicationTitle("Orvan Cutbench");
  try {
    SingleInstance instance("Benchmate");
    if (!instance.IsFirst()) {
      RaiseFirstInstance(TPluginForm::kClassName);
      return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    TPluginForm form;
    form.Create();
    form.Show(showCommand);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      // Tab, arrow keys and mnemonics move between the controls as in a dialog.
      if (form.Handle() && IsDialogMessageA(form.Handle(), &message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  } catch (...) {
    orvan::ui::ShowErrorBox(nullptr, orvan::ui::CurrentErrorText());
  }
  return 0;
}
