// Drives a running Benchmate.exe from another process through Win32, as a person sees and uses it: finds its
// windows by class and caption, reads check boxes, pages and texts, and presses buttons.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace benchmate_driver {

// Benchmate.exe started from a folder; closed (and if need be ended) when the object goes.
class Benchmate {
public:
  explicit Benchmate(const std::string& exePath);
  Benchmate(const Benchmate&) = delete;
  Benchmate& operator=(const Benchmate&) = delete;
  ~Benchmate();

  // The main window of this process, waited for; null when it does not appear in time.
  HWND Form(DWORD timeoutMs = 60000);
  // A visible top-level window of this process with the class, waited for; null when none appears.
  HWND WaitForWindow(const char* className, DWORD timeoutMs = 20000);
  // The exit code, or STILL_ACTIVE when the process still runs after the timeout.
  DWORD WaitForExit(DWORD timeoutMs);
  DWORD ProcessId() const { return info_.dwProcessId; }

private:
  PROCESS_INFORMATION info_{};
};

// The text of a window of another process (WM_GETTEXT, so it works for edit controls too).
std::string Text(HWND window);
// A direct child with this caption ("" matches any) and, when given, this class.
HWND Child(HWND parent, const std::string& caption, const char* className = nullptr);
// The notebook page with this caption.
HWND Page(HWND form, const std::string& caption);
// A control by its captions from the page down: Find(form, {"Install", "Cutrix Plug-in", "Details..."}).
HWND Find(HWND form, const std::vector<std::string>& captions);
// The caption of the notebook page that is shown.
std::string ShownPage(HWND form);
// Presses a button as a click does; false when the program did not answer within the time.
bool Press(HWND button, DWORD timeoutMs = 120000);
// The report memo's text.
std::string ReportText(HWND form);

struct BoxState {
  bool ticked;
  bool enabled;
  bool operator==(const BoxState&) const = default;
};
// Every check box of the pages "Cutrix Plug-in" and "Palette", by "page/group/caption".
std::map<std::string, BoxState> CheckBoxes(HWND form);

}  // namespace benchmate_driver
