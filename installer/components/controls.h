// Standard Windows controls made from one row of creation arguments: the kinds the installer's forms use,
// each with the styles a person expects of it (tab stops, automatic check boxes, word-wrapping memo).
#pragma once
#include <windows.h>

#include <string>

namespace orvan::ui {

enum class ControlKind { Notebook, Page, Group, Check, Button, Label, Memo, Picture };

// How a control differs from its kind's defaults.
enum ControlFlags : unsigned {
  kNoFlags = 0,
  kHidden = 1,       // created invisible and never shown
  kDisabled = 2,     // created disabled and never enabled
  kHelpCursor = 4,   // the help cursor over it, although it takes no clicks
  kSmallFont = 8,    // the notebook's tab font
  kLabelFont = 16,   // the slightly smaller label font
};

struct ControlArgs {
  ControlKind kind;
  HWND parent;
  int id;
  int x, y, width, height;  // pixels on the screen, already scaled
  std::string caption;
  unsigned flags = kNoFlags;
};

// Creates the control; throws std::runtime_error when Windows refuses.
HWND CreateControl(const ControlArgs& args);

// A font of the face with a character height in pixels at 96 dots per inch, scaled to the screen.
HFONT CreateScaledFont(const char* face, int pixelHeight);

// Gives a label the width of its caption in its font, as labels size themselves to their text.
void FitLabelWidth(HWND label);

// The property that marks controls showing the help cursor.
inline constexpr const char* kHelpCursorProperty = "OrvanHelpCursor";

}  // namespace orvan::ui
