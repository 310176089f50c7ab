// TPluginForm: creation, detection into check box states, layout within the size limits, handlers.
#include "main_window.h"

#include <commctrl.h>

#include <stdexcept>

#include "about_dialog.h"
#include "controls.h"
#include "error_box.h"
#include "host_detection.h"
#include "version_text.h"

namespace orvan::installer {

using orvan::ui::ControlKind;
using orvan::ui::Scaled;

namespace {

constexpr int kFirstControlId = 100;

using Handler = void (*)(InstallerForm&, const std::string&);
const std::pair<const char*, Handler> kHandlers[] = {
    {"btnInstallCx", btnPartialInstallClick},
    {"btnInstallPal", btnPartialInstallClick},
    {"bntFullInstall", bntFullInstallClick},
    {"btnDetailCx", btnDetailClick},
    {"btnDetailPal", btnDetailClick},
};

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;

// The outer size of the form for its design client area, kept within the size limits.
SIZE DesignWindowSize() {
  RECT r{0, 0, Scaled(kClientWidth + 2 * kBorderWidth), Scaled(kClientHeight + 2 * kBorderWidth)};
  AdjustWindowRectEx(&r, kFormStyle, FALSE, 0);
  SIZE size{r.right - r.left, r.bottom - r.top};
  if (size.cx < Scaled(kMinWidth)) size.cx = Scaled(kMinWidth);
  if (size.cy < Scaled(kMinHeight)) size.cy = Scaled(kMinHeight);
  if (size.cx > Scaled(kMaxWidth)) size.cx = Scaled(kMaxWidth);
  if (size.cy > Scaled(kMaxHeight)) size.cy = Scaled(kMaxHeight);
  return size;
}

}  // namespace

TPluginForm::TPluginForm() = default;
TPluginForm::~TPluginForm() {
  // The controls go before the fonts and pictures they show.
  if (Handle()) DestroyWindow(Handle());
}

void TPluginForm::Create() {
  HINSTANCE module = orvan::ui::ThisModule();
  RegisterWindowClass(
      {.name = kClassName,
       .icon = static_cast<HICON>(LoadImageA(module, "MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                             GetSystemMetrics(SM_CYICON), LR_SHARED)),
       .smallIcon = static_cast<HICON>(LoadImageA(module, "MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                  GetSystemMetrics(SM_CYSMICON), LR_SHARED))});
  SIZE size = DesignWindowSize();
  RECT desktop{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0);
  CreateHandle({.className = kClassName,
                .caption = orvan::ui::ApplicationTitle(),
                .style = kFormStyle,
                .x = desktop.left + (desktop.right - desktop.left - size.cx) / 2,
                .y = desktop.top + (desktop.bottom - desktop.top - size.cy) / 2,
                .width = size.cx,
                .height = size.cy});
  font_.reset(orvan::ui::CreateScaledFont("MS Sans Serif", 13));
  tabFont_.reset(orvan::ui::CreateScaledFont("MS Sans Serif", 11));
  labelFont_.reset(orvan::ui::CreateScaledFont("MS Sans Serif", 12));
  CreateControls();
  LayOut();
  FormCreate();
}

void TPluginForm::Show(int showCommand) {
  ShowWindow(Handle(), showCommand);
  UpdateWindow(Handle());
}

void TPluginForm::CreateControls() {
  int id = kFirstControlId;
  for (const ControlRow& row : MainWindowControls()) {
    HWND parent = *row.parent ? Control(row.parent) : Handle();
    HWND made;
    if (row.kind == ControlKind::Page) {
      auto page = std::make_unique<orvan::ui::TTabPage>();
      page->Create(parent, id, row.caption);
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<char*>(row.caption);
      SendMessageA(parent, TCM_INSERTITEMA, pages_.size(), reinterpret_cast<LPARAM>(&item));
      made = page->Handle();
      pages_.push_back(std::move(page));
    } else {
      int x = row.x, y = row.y;
      if (!*row.parent) x += kBorderWidth, y += kBorderWidth;  // the form's border lies inside its client area
      made = orvan::ui::CreateControl({.kind = row.kind,
                                       .parent = parent,
                                       .id = id,
                                       .x = Scaled(x),
                                       .y = Scaled(y),
                                       .width = Scaled(row.width),
                                       .height = Scaled(row.height),
                                       .caption = row.kind == ControlKind::Picture ? "" : row.caption,
                                       .flags = row.flags});
      if (row.kind == ControlKind::Picture) {
        HICON icon = static_cast<HICON>(
            LoadImageA(orvan::ui::ThisModule(), row.caption, IMAGE_ICON, Scaled(32), Scaled(32), 0));
        if (icon) {
          icons_.emplace_back(icon);
          SendMessageA(made, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        }
      }
    }
    HFONT font = (row.flags & orvan::ui::kSmallFont) ? tabFont_.get()
                 : (row.flags & orvan::ui::kLabelFont) ? labelFont_.get()
                                                       : font_.get();
    SendMessageA(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (row.kind == ControlKind::Label) orvan::ui::FitLabelWidth(made);
    controls_[row.name] = made;
    namesById_[id] = row.name;
    ++id;
  }
  memo_.Attach(Control("mReport"));
  // Report lines are indented by one or two tabs; the edit control's default stops would push them far right.
  int tabStop = 16;
  SendMessageA(Control("mReport"), EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
  scribo_.Attach(Control("lblScribo"));
}

void TPluginForm::FormCreate() {
  const std::string& title = orvan::ui::ApplicationTitle();
  {
    VersionInfoReader versionInfo;
    SetWindowTextA(Handle(), versionInfo.Loaded() ? (title + " " + versionInfo.Value("FileVersion")).c_str()
                                                  : title.c_str());
  }
  HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
  AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(systemMenu, MF_STRING, kAboutCommand, "&About");
  SelectPage(0);
  CheckScriboInstalled(scribo_);
  DetectHosts();
}

void TPluginForm::DetectHosts() {
  for (const HostBoxes& host : IllustratorBoxes()) {
    bool found = IsIllustratorInstalled(host.version);
    SetFound(host.paletteBox, found);
    SetFound(host.pluginBox, found);
  }
  bool found = DetectIllustratorCC();
  SetFound(kIllustratorCCBoxes.paletteBox, found);
  SetFound(kIllustratorCCBoxes.pluginBox, found);
  for (const HostBoxes& host : CorelBoxes()) {
    bool corelFound = IsCorelInstalled(host.version);
    SetFound(host.paletteBox, corelFound);
    SetFound(host.pluginBox, corelFound);
  }
}

void TPluginForm::SetFound(const char* boxName, bool found) {
  if (!boxName) return;
  HWND box = Control(boxName);
  SendMessageA(box, BM_SETCHECK, found ? BST_CHECKED : BST_UNCHECKED, 0);
  EnableWindow(box, found);
}

HWND TPluginForm::Control(const std::string& name) const {
  auto at = controls_.find(name);
  if (at == controls_.end()) throw std::logic_error("The main window has no control " + name);
  return at->second;
}

bool TPluginForm::IsTicked(const std::string& boxName) const {
  auto at = controls_.find(boxName);
  return at != controls_.end() && SendMessageA(at->second, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TPluginForm::ShowPage(const std::string& caption) {
  for (size_t i = 0; i < pages_.size(); ++i)
    if (orvan::ui::WindowText(pages_[i]->Handle()) == caption) SelectPage(i);
}

void TPluginForm::SelectPage(size_t index) {
  HWND notebook = Control("tnMain");
  SendMessageA(notebook, TCM_SETCURSEL, index, 0);
  for (size_t i = 0; i < pages_.size(); ++i) ShowWindow(pages_[i]->Handle(), i == index ? SW_SHOW : SW_HIDE);
  // A report written while the window processes no messages must still be on screen once the pass returns.
  UpdateWindow(pages_[index]->Handle());
}

void TPluginForm::LayOut() {
  RECT client{};
  GetClientRect(Handle(), &client);
  int border = Scaled(kBorderWidth);
  int buttonWidth = Scaled(397), buttonHeight = Scaled(38), gap = Scaled(2);
  int innerWidth = client.right - 2 * border;
  int innerHeight = client.bottom - 2 * border;
  // The notebook follows all four sides; the button keeps its size and its distance to the right and bottom.
  MoveWindow(Control("tnMain"), border, border, innerWidth, innerHeight - buttonHeight - gap, TRUE);
  MoveWindow(Control("bntFullInstall"), client.right - border - buttonWidth, client.bottom - border - buttonHeight,
             buttonWidth, buttonHeight, TRUE);
  HWND notebook = Control("tnMain");
  RECT display{};
  GetClientRect(notebook, &display);
  SendMessageA(notebook, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  for (const auto& page : pages_)
    MoveWindow(page->Handle(), display.left, display.top, display.right - display.left, display.bottom - display.top,
               TRUE);
  RECT page{};
  GetClientRect(pages_.back()->Handle(), &page);
  int margin = Scaled(8);
  MoveWindow(Control("mReport"), margin, margin, page.right - 2 * margin, page.bottom - 2 * margin, TRUE);
}

void TPluginForm::OnClick(int id) {
  auto name = namesById_.find(id);
  if (name == namesById_.end()) return;
  for (const auto& [control, handler] : kHandlers)
    if (name->second == control) handler(*this, name->second);
}

LRESULT TPluginForm::OnControlColour(HDC dc, HWND control) {
  if (control == scribo_.Handle()) {
    SetTextColor(dc, scribo_.Colour());
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return DefWindowProcA(Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

void TPluginForm::About() {
  TAboutDlg dialog(Handle());
  dialog.ShowModal();
}

LRESULT TPluginForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      if (wParam == kAboutCommand) About();
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam) OnClick(LOWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code == TCN_SELCHANGE && header->hwndFrom == Control("tnMain"))
        SelectPage(static_cast<size_t>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SIZE:
      if (!pages_.empty()) LayOut();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {Scaled(kMinWidth), Scaled(kMinHeight)};
      limits->ptMaxTrackSize = {Scaled(kMaxWidth), Scaled(kMaxHeight)};
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return Window::WndProc(message, wParam, lParam);
}

}  // namespace orvan::installer
