// The flatbed swatch files for one Illustrator version, beside Illustrator's own swatch libraries, and for a
// 64-bit Illustrator in its 32-bit twin as well.
#include "host_detection.h"
#include "host_installation.h"
#include "illustrator_root.h"
#include "program_folder.h"
#include "utils.h"

namespace {

InstallFailure CopyBesideMarker(const std::string& root, const std::string& marker, const std::string& file) {
  if (FindAndCopyFile(root, marker, ProgramFolder() + "Adobe\\" + file, file)) return std::nullopt;
  return GetLastErrorText();
}

// Illustrator CS2 has no VisiBone2.ai; its Web.ai lies in the swatch folder.
InstallFailure Install32Bit(const std::string& root, int v, const std::string& file) {
  return CopyBesideMarker(root, v > 12 ? "VisiBone2.ai" : "Web.ai", file);
}

InstallFailure Install64Bit(const std::string& root, int v, const std::string& file) {
  if (InstallFailure failed = CopyBesideMarker(root, "VisiBone2.ai", file)) return failed;
  std::string twin = ReplaceAllIgnoreCase(ReplaceAllIgnoreCase(root, "Program Files", "Program Files (x86)"),
                                          " (64 Bit)", "");
  if (!TwinPresent(root, twin)) return std::nullopt;
  return Install32Bit(twin, v, file);
}

}  // namespace

void InstallIllustratorPaletteFile(const std::string& version, const std::string& suffix, ReportMemo& report,
                                   const std::string& file) {
  const int v = VersionNumber(version);
  InstallIntoIllustrator(
      version + suffix, report, [&](const std::string& root) { return Install64Bit(root, v, file); },
      [&](const std::string& root) { return Install32Bit(root, v, file); });
}

void InstallIllustratorPalettes(const std::string& version, const std::string& suffix, ReportMemo& report) {
  for (const char* file : {"Q_series.ase", "Q_series_CutContour.ase"})
    InstallIllustratorPaletteFile(version, suffix, report, file);
}

void InstallIllustratorPalettes(const std::string& version, ReportMemo& report) {
  InstallIllustratorPalettes(version, "", report);
}

void InstallIllustratorCCPalettes(ReportMemo& report) {
  for (int32_t version : IllustratorCCVersions) InstallIllustratorPalettes(std::to_string(version), "", report);
}
