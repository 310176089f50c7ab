// Shows the ANSI save dialog for "Publish to PDF".
#include "platform/save_dialog.h"

#include <commdlg.h>

#include "path_limit.h"

namespace orvan::corel {

std::optional<std::string> AskPdfFileName(HWND owner) {
  char file[kPathBuffer] = {};
  static const char kFilter[] = "PDF - Portable Document Format (*.pdf)\0*.pdf\0";
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = kPathBuffer;
  dialog.lpstrTitle = "Publish to PDF";
  // OFN_FILEMUSTEXIST is documented for open dialogs only ("cannot be used with a Save As dialog
  // box"): Windows would refuse every name of a PDF that does not exist yet (Wine ignores it).
  // The folder must exist; an existing file is replaced without asking.
  dialog.Flags = OFN_PATHMUSTEXIST;
  dialog.lpstrDefExt = "pdf";
  if (!GetSaveFileNameA(&dialog)) return std::nullopt;
  return std::string(file);
}

}  // namespace orvan::corel
