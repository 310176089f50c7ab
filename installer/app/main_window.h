// TPluginForm, the installer's main window: the notebook with its four pages, the check box of every host
// version ticked and enabled by detection, the report memo, and the buttons wired to the installation pass.
#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "edit_memo.h"
#include "gdi_objects.h"
#include "installation_pass.h"
#include "label_status.h"
#include "main_window_layout.h"
#include "tab_page.h"
#include "window.h"

namespace orvan::installer {

class TPluginForm : public orvan::ui::Window, public InstallerForm {
public:
  // The second instance finds the first by this class, not by the caption, which carries the version.
  static constexpr const char* kClassName = "TPluginForm";
  static constexpr WPARAM kAboutCommand = 16;

  TPluginForm();
  ~TPluginForm() override;

  // Creates the window with its controls and runs FormCreate; the window stays hidden until Show.
  void Create();
  void Show(int showCommand);

  bool IsTicked(const std::string& boxName) const override;
  void ShowPage(const std::string& caption) override;
  ReportMemo& Report() override { return memo_; }

  // Opens the About dialog modally and destroys it when it closes.
  void About();

protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  void FormCreate();
  void CreateControls();
  void DetectHosts();
  void SetFound(const char* boxName, bool found);
  void SelectPage(size_t index);
  void LayOut();
  void OnClick(int id);
  LRESULT OnControlColour(HDC dc, HWND control);
  HWND Control(const std::string& name) const;

  struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
  };

  std::map<std::string, HWND> controls_;
  std::map<int, std::string> namesById_;
  std::vector<std::unique_ptr<orvan::ui::TTabPage>> pages_;
  std::vector<std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>> icons_;
  orvan::ui::Font font_, tabFont_, labelFont_;
  EditMemo memo_;
  LabelStatus scribo_;
};

}  // namespace orvan::installer
