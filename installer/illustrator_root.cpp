// Finding Illustrator's root: the registered program, its folder, three levels up.
#include "illustrator_root.h"

#include <cctype>
#include <charconv>

#include "host_detection.h"
#include "platform/files.h"
#include "platform/program_type.h"

namespace {

struct IllustratorRoot {
  std::string folder;         // three levels above the folder of the registered program
  unsigned long programType;  // GetBinaryTypeA's answer for that program
};

// False when no program is registered, the file is no program, or a folder on the way up cannot be
// entered; the process's current folder is left at the root.
bool FindIllustratorRoot(const std::string& versionKey, IllustratorRoot& root) {
  std::string exe = GetIllustratorExePath(versionKey);
  unsigned long type = 0;
  if (!programs::programType(exe, type)) return false;
  size_t cut = exe.find_last_of('\\');
  if (cut == std::string::npos || !files::setCurrentDir(exe.substr(0, cut))) return false;
  for (int level = 0; level < 3; ++level)
    if (!files::setCurrentDir("..")) return false;
  root = {files::currentDir(), type};
  return true;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

int VersionNumber(const std::string& version) {
  int value = 0;
  auto [end, error] = std::from_chars(version.data(), version.data() + version.size(), value);
  return error == std::errc() && end == version.data() + version.size() ? value : 0;
}

std::string ReplaceAllIgnoreCase(const std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  const std::string haystack = Lower(text), needle = Lower(from);
  std::string result;
  size_t start = 0;
  for (size_t hit = haystack.find(needle); hit != std::string::npos; hit = haystack.find(needle, start)) {
    result += text.substr(start, hit - start) + to;
    start = hit + from.size();
  }
  return result + text.substr(start);
}

bool TwinPresent(const std::string& root, const std::string& twin) {
  return Lower(twin) != Lower(root) && files::setCurrentDir(twin);
}

void InstallIntoIllustrator(const std::string& name, ReportMemo& report, const InstallStep& step64,
                            const InstallStep& step32) {
  IllustratorRoot root;
  InstallFailure failure;
  if (!FindIllustratorRoot(name, root)) failure = "Could not find/acces root";
  else if (root.programType == programs::kWindows64) failure = step64(root.folder);
  else if (root.programType == programs::kWindows32) failure = step32(root.folder);
  report.Append("\tAdobe Illustrator " + name + (failure ? " -> FAILED" : " -> OK"));
  if (failure) report.Append("\tERROR: " + *failure);
}
