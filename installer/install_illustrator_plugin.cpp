// The registration-mark plug-in for one Illustrator version, in the edition of the Illustrator program
// found, and into its twin edition's folder where both are installed side by side.
#include "host_detection.h"
#include "host_installation.h"
#include "illustrator_root.h"
#include "program_folder.h"
#include "utils.h"

namespace {

const char kMarker[] = "3D.aip";

std::string Edition32(int v) {
  if (v <= 15) return "MarkwellCS1.aip";
  if (v == 16) return "MarkwellCS6.aip";
  return v <= 21 ? "MarkwellCC.aip" : "MarkwellCC2018.aip";
}

// Empty below 16: no 64-bit plug-in exists for those versions.
std::string Edition64(int v) { return v < 16 ? std::string() : Edition32(v); }

std::string TwinOf64BitRoot(const std::string& root, int v) {
  std::string twin = ReplaceAllIgnoreCase(root, "Program Files", "Program Files (x86)");
  return v == 16 ? ReplaceAllIgnoreCase(twin, "Adobe Illustrator CS6 (64 Bit)", "Adobe Illustrator CS6")
                 : ReplaceAllIgnoreCase(twin, "Adobe Illustrator CC (64 Bit)", "Adobe Illustrator CC");
}

std::string TwinOf32BitRoot(const std::string& root, int v) {
  std::string twin = ReplaceAllIgnoreCase(root, "Program Files (x86)", "Program Files");
  return v == 16 ? ReplaceAllIgnoreCase(twin, "Adobe Illustrator CS6", "Adobe Illustrator CS6 (64 Bit)")
                 : ReplaceAllIgnoreCase(twin, "Adobe Illustrator CC", "Adobe Illustrator CC (64 Bit)");
}

InstallFailure CopyBesideMarker(const std::string& root, const std::string& sourceFolder, const std::string& file) {
  if (FindAndCopyFile(root, kMarker, ProgramFolder() + sourceFolder + file, file)) return std::nullopt;
  return GetLastErrorText();
}

InstallFailure Install32BitEdition(const std::string& root, int v) {
  if (InstallFailure failed = CopyBesideMarker(root, "Adobe\\", Edition32(v))) return failed;
  if (v < 16) return std::nullopt;
  std::string twin = TwinOf32BitRoot(root, v);
  if (!TwinPresent(root, twin)) return std::nullopt;
  return CopyBesideMarker(twin, "Adobe\\x64\\", Edition64(v));
}

InstallFailure Install64BitEdition(const std::string& root, int v, const std::string& name) {
  // Copying an empty source name would fail with a meaningless path; say what is really missing.
  if (Edition64(v).empty()) return "No 64 bit plug-in exists for Adobe Illustrator " + name;
  if (InstallFailure failed = CopyBesideMarker(root, "Adobe\\x64\\", Edition64(v))) return failed;
  std::string twin = TwinOf64BitRoot(root, v);
  if (!TwinPresent(root, twin)) return std::nullopt;
  return Install32BitEdition(twin, v);
}

}  // namespace

void InstallIllustratorPlugin(const std::string& version, const std::string& suffix, ReportMemo& report) {
  const std::string name = version + suffix;
  const int v = VersionNumber(version);
  InstallIntoIllustrator(
      name, report, [&](const std::string& root) { return Install64BitEdition(root, v, name); },
      [&](const std::string& root) { return Install32BitEdition(root, v); });
}

void InstallIllustratorPlugin(const std::string& version, ReportMemo& report) {
  InstallIllustratorPlugin(version, "", report);
}

void InstallIllustratorCCPlugins(ReportMemo& report) {
  for (int32_t version : IllustratorCCVersions) InstallIllustratorPlugin(std::to_string(version), "", report);
}
