// The CorelDRAW toolbar plug-in and its icons into one CorelDRAW version, both editions where present, and
// the palette page's CorelDRAW entry, which installs that same plug-in after checking the registration.
#include <windows.h>

#include "host_detection.h"
#include "host_installation.h"
#include "program_folder.h"
#include "utils.h"

namespace {

struct Edition {
  const char* bits;          // "32" or "64", as the report lines name the edition
  const char* pluginSource;  // below "Corel\plugin\"
  const char* targetBelowRoot;
};
const Edition k32Bit{"32", "Win32\\", "\\Draw\\Plugins\\"};
const Edition k64Bit{"64", "x64\\", "\\Draw\\Plugins64\\"};

// "0" and anything shorter than a drive letter with its colon is no root.
bool IsRoot(const std::string& folder) { return folder.size() >= 2; }

// Appends the failure lines of a failed copy; code is the thread's last error as CopyFiles left it.
void ReportCopyFailure(ReportMemo& report, const std::string& version, DWORD code, const std::string& what,
                       const std::string& target) {
  report.Append("\tCorelDRAW " + version + " -> FAILED");
  if (code == ERROR_SHARING_VIOLATION) report.Append("\tERROR: Close CorelDRAW " + version + " and try again");
  else report.Append("\tERROR: Could not copy " + what + " to: " + target);
}

// False after a copy failure, whose lines are then written; the caller stops there.
bool InstallEdition(const Edition& edition, const std::string& root, const std::string& version,
                    ReportMemo& report) {
  const std::string source = ProgramFolder() + "Corel\\plugin\\";
  const std::string target = root + edition.targetBelowRoot;
  const std::string bits = edition.bits;
  if (!CopyFiles(source + edition.pluginSource, target, "*.cpg")) {
    DWORD code = GetLastError();
    ReportCopyFailure(report, version, code, bits + " bit plugin file", target);
    return false;
  }
  if (!CopyFiles(source, target, "*.ico")) {
    DWORD code = GetLastError();
    ReportCopyFailure(report, version, code, bits + " bit files", target);
    return false;
  }
  report.Append("\t\tCorelDRAW " + version + "(" + bits + "bit) -> OK");
  return true;
}

}  // namespace

void InstallCorelPlugin(const std::string& version, ReportMemo& report) {
  const std::string root32 = GetCorelInstallDir32(version);
  const std::string root64 = GetCorelInstallDir64(version);
  if (!IsRoot(root32) && !IsRoot(root64)) {
    report.Append("\tCorelDRAW " + version + " -> FAILED");
    report.Append("\tERROR: Could not find/acces root");
    return;
  }
  bool installed = false;
  if (IsRoot(root32)) {
    if (!InstallEdition(k32Bit, root32, version, report)) return;
    installed = true;
  }
  if (IsWow64() && IsRoot(root64)) {
    if (!InstallEdition(k64Bit, root64, version, report)) return;
    installed = true;
  }
  report.Append("\tCorelDRAW " + version + (installed ? " -> OK" : " -> FAILED"));
}

void InstallCorelPalette(const std::string& version, ReportMemo& report) {
  std::string rootKey;
  if (!GetCorelRootKey(version, rootKey)) {
    // Without the tab of every other status line: the report has always shown it so.
    report.Append("CorelDRAW " + version + " -> FAILED");
    report.Append("\tERROR: Could not find registry root");
    return;
  }
  if (GetCorelInstallDir(version) == "0") {
    report.Append("\tCorelDRAW " + version + " -> FAILED");
    report.Append("\tERROR: Could not find/acces root 1");
    return;
  }
  InstallCorelPlugin(version, report);
}
