// The report memo mReport: the installation report kept in a multi-line edit control, one line per line.
#pragma once
#include <windows.h>

#include "report_memo.h"

namespace orvan::installer {

class EditMemo : public ReportMemo {
public:
  void Attach(HWND edit) { edit_ = edit; }
  void Append(const std::string& line) override;
  void Clear() override;
  std::string Text() const override;

private:
  HWND edit_ = nullptr;
  bool holdsLines_ = false;  // an appended empty line leaves no text, yet it is a line
};

}  // namespace orvan::installer
