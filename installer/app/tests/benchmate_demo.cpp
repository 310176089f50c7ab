// The demo's hands on a running Benchmate.exe: one command per call, so a script can take a screenshot
// between them. Prints window rectangles as "left top width height" for cropping.
//   benchmate_demo form | page INDEX | press CAPTION... | report | about | close-about | close | shot CLASS FILE.bmp
// "shot" copies a window as Windows shows it into a bitmap file: without a window manager, Wine leaves an owned
// window that overlaps its owner black on the X display, although Windows itself shows it whole.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "benchmate_driver.h"

using namespace benchmate_driver;

namespace {

HWND WaitFor(const char* className, DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
    HWND window = FindWindowA(className, nullptr);
    if (window && IsWindowVisible(window)) {
      SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, nullptr);
      return window;
    }
    Sleep(100);
  }
  return nullptr;
}

int PrintRect(HWND window) {
  if (!window) {
    std::fprintf(stderr, "benchmate_demo: window not found\n");
    return 1;
  }
  RECT r{};
  GetWindowRect(window, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}

// Writes the screen area of the window as a 24-bit bitmap file.
int Shot(HWND window, const std::string& file) {
  if (!window) return PrintRect(nullptr);
  RECT r{};
  GetWindowRect(window, &r);
  int width = r.right - r.left, height = r.bottom - r.top;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP picture = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  BITMAPFILEHEADER fileHeader{};
  fileHeader.bfType = 0x4D42;
  fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
  fileHeader.bfSize = fileHeader.bfOffBits + rowBytes * height;
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(rowBytes) * height);
  SelectObject(memory, old);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return out ? PrintRect(window) : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fprintf(stderr,
                 "usage: benchmate_demo form | page INDEX | press CAPTION... | report | about | close-about | close | "
                 "shot CLASS FILE.bmp\n");
    return 2;
  }
  HWND form = WaitFor("TPluginForm", 60000);
  if (!form) return PrintRect(nullptr);
  const std::string& command = args[0];
  if (command == "form") return PrintRect(form);
  if (command == "page" && args.size() == 2) {
    // Focusing a tab selects it and notifies the window as a click on the tab does.
    SendMessageA(Child(form, "", "SysTabControl32"), TCM_SETCURFOCUS, std::stoi(args[1]), 0);
    return PrintRect(form);
  }
  if (command == "press" && args.size() >= 2) {
    std::vector<std::string> path(args.begin() + 1, args.end());
    HWND button = path.size() == 1 ? Child(form, path[0], "Button") : Find(form, path);
    if (!Press(button)) return PrintRect(nullptr);
    return PrintRect(form);
  }
  if (command == "report") {
    std::fputs(ReportText(form).c_str(), stdout);
    std::fputs("\n", stdout);
    return 0;
  }
  if (command == "about") {
    PostMessageA(form, WM_SYSCOMMAND, 16, 0);
    return PrintRect(WaitFor("TAboutDlg", 20000));
  }
  if (command == "close-about") {
    HWND about = WaitFor("TAboutDlg", 5000);
    if (!about) return PrintRect(nullptr);
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
    return 0;
  }
  if (command == "shot" && args.size() == 3) return Shot(WaitFor(args[1].c_str(), 5000), args[2]);
  if (command == "close") {
    PostMessageA(form, WM_CLOSE, 0, 0);
    return 0;
  }
  std::fprintf(stderr, "benchmate_demo: unknown command %s\n", command.c_str());
  return 2;
}
