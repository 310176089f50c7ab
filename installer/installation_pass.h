// The installation run behind the Install, Full Installation and Details buttons, without a window:
// the window answers box states by component name and selects pages by caption through InstallerForm.
#pragma once
#include <string>

#include "report_memo.h"

class InstallerForm {
public:
  virtual ~InstallerForm() = default;
  // Whether the check box with this component name ("cbCxCorel2022") is ticked; unknown names are unticked.
  virtual bool IsTicked(const std::string& boxName) const = 0;
  // Makes the notebook page with this caption ("Installation Report") the active page.
  virtual void ShowPage(const std::string& caption) = 0;
  // The report memo mReport.
  virtual ReportMemo& Report() = 0;
};

// senderName is the clicked button's component name: "btnInstallCx", "btnInstallPal" or "bntFullInstall".
void btnInstallClick(InstallerForm& form, const std::string& senderName);
// Both clear the report, show the page "Installation Report" and run btnInstallClick with the same sender.
void btnPartialInstallClick(InstallerForm& form, const std::string& senderName);
void bntFullInstallClick(InstallerForm& form, const std::string& senderName);
// "btnDetailCx" shows the page "Cutrix Plug-in", "btnDetailPal" the page "Palette"; anything else nothing.
void btnDetailClick(InstallerForm& form, const std::string& senderName);
