// A full installation on a workstation with 6 Illustrator and 12 CorelDRAW versions, against copying the
// same files with CopyFileA in a plain loop. Prints both times and their ratio.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <utility>
#include <vector>

#include "host_detection.h"
#include "installation_pass.h"
#include "program_folder.h"
#include "workstation.h"

namespace ws = orvan::workstation;

namespace {

// Ticks every box of a version the workstation has, on both pages.
class TickInstalled : public InstallerForm {
public:
  bool IsTicked(const std::string& box) const override {
    for (const char* absent : {"AdobeCS", "AdobeCS2", "AdobeCS3", "AdobeCS4", "AdobeCS5"})
      if (box == std::string("cbCx") + absent || box == std::string("cbPal") + absent) return false;
    return true;
  }
  void ShowPage(const std::string&) override {}
  ReportMemo& Report() override { return memo; }
  TextMemo memo;
};

ws::Description Workstation() {
  ws::Description d;
  auto ai = [&](const char* version, ws::Bits bits, bool twin) {
    ws::Illustrator a;
    a.version = version;
    a.bits = bits;
    a.twin = twin;
    d.illustrators.push_back(a);
  };
  ai("15.1", ws::Bits::B32, false);
  ai("16", ws::Bits::B64, true);
  ai("21", ws::Bits::B64, false);
  ai("22", ws::Bits::B64, false);
  ai("23", ws::Bits::B64, true);
  ai("24", ws::Bits::B64, false);
  for (int v = 13; v <= 24; ++v) {
    ws::Corel c;
    c.version = std::to_string(v);
    c.bits = v < 19 ? ws::Bits::B32 : ws::Bits::B64;
    d.corels.push_back(c);
  }
  return d;
}

// Every dummy the installation placed outside the program folder, with the program-folder file it came from.
void CollectCopies(const std::string& folder, const std::string& programFolder,
                   std::vector<std::pair<std::string, std::string>>& copies) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = entry.cFileName, path = folder + "\\" + name;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (path + "\\" != programFolder) CollectCopies(path, programFolder, copies);
      continue;
    }
    for (const auto& source : ws::standardProgramFiles()) {
      std::string sourceName = source.substr(source.find_last_of('\\') + 1);
      if (name == sourceName) {
        std::ifstream in(path, std::ios::binary);
        std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (content == ws::dummyContent(source)) copies.emplace_back(programFolder + source, path);
      }
    }
  } while (FindNextFileA(find, &entry));
  FindClose(find);
}

double Milliseconds(const std::function<void()>& work, int rounds) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / rounds;
}

}  // namespace

int main() {
  try {
    ws::Workstation station(Workstation());
    ProgramFolderOverride source(station.programFolder());
    DetectIllustratorCC();
    TickInstalled form;
    bntFullInstallClick(form, "bntFullInstall");  // warms the file cache and lays every target
    std::vector<std::pair<std::string, std::string>> copies;
    CollectCopies(station.root(), station.programFolder(), copies);

    const int rounds = 5;
    double pass = Milliseconds([&] { bntFullInstallClick(form, "bntFullInstall"); }, rounds);
    double plain = Milliseconds([&] {
      for (const auto& [from, to] : copies) CopyFileA(from.c_str(), to.c_str(), FALSE);
    }, rounds);
    bool failed = form.memo.Text().find("FAILED") != std::string::npos;
    std::printf("full installation: 6 Illustrator + 12 CorelDRAW versions, %zu distinct files%s\n", copies.size(),
                failed ? " (the report holds FAILED lines!)" : "");
    std::printf("  installation pass  %8.1f ms\n", pass);
    std::printf("  CopyFileA loop     %8.1f ms\n", plain);
    std::printf("  ratio              %8.2f\n", plain > 0 ? pass / plain : 0.0);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench: %s\n", e.what());
    return 1;
  }
}
