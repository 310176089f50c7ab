// The main window's layout as data: every control with its kind, parent, position and size (pixels at 96 dots
// per inch, relative to the parent) and caption, and the host version each check box stands for.
#pragma once
#include <span>

#include "controls.h"

namespace orvan::installer {

struct ControlRow {
  const char* name;
  orvan::ui::ControlKind kind;
  const char* parent;  // "" for the form itself
  int x, y, width, height;
  const char* caption;  // pictures: the icon resource's name
  unsigned flags = orvan::ui::kNoFlags;
};

// Every control of the form, parents before their children.
std::span<const ControlRow> MainWindowControls();

// One host version: its plug-in box, its palette box (null when it has none) and its version text.
struct HostBoxes {
  const char* pluginBox;
  const char* paletteBox;
  const char* version;
};

// Illustrator CS to CS6, and CorelDRAW X3 to 2022, in the order detection sets them.
std::span<const HostBoxes> IllustratorBoxes();
inline constexpr HostBoxes kIllustratorCCBoxes{"cbCxAdobeCC", "cbPalAdobeCC", ""};
std::span<const HostBoxes> CorelBoxes();

// Design sizes of the form: client area inside the border, border width and the outer size limits.
inline constexpr int kClientWidth = 397;
inline constexpr int kClientHeight = 517;
inline constexpr int kBorderWidth = 8;
inline constexpr int kMinWidth = 424, kMinHeight = 567;
inline constexpr int kMaxWidth = 530, kMaxHeight = 709;

}  // namespace orvan::installer
