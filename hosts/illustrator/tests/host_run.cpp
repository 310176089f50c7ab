// Starting ai_host as a child process with a time limit and reading its dump.
#include "host_run.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <fstream>

#include "wine_paths.h"

namespace orvan::aitest {
namespace {

std::string TempFile(const char* stem, const char* extension) {
  static std::atomic<int> counter{0};
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "orvan-ai-" + stem + "-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(counter++) + extension;
}

std::string Quote(const std::string& arg) { return "\"" + arg + "\""; }

}  // namespace

const Edition& ThisEdition() {
#ifdef _WIN64
  static const Edition e{"MarkwellCC.aip", "Add Cutrix Pro Registration Marks",
                         "Add Cutrix Pro Registration Marks + Cut Out Squares", "Orvan", "Orvan", false, 1e-9};
#else
  static const Edition e{"MarkwellCS1.aip", "Add Cutrix Regmarks", "Add Cutrix Regmarks + Cut Out Squares",
                         "Orvan Actions Group", "Orvan", true, 2e-3};
#endif
  return e;
}

double Pt(double mm) { return mm / 0.3528; }

HostRun RunHost(std::vector<std::string> args, const json* artwork) {
  HostRun run;
  const std::string bin = orvan::test::programFolder();
  bool hasPlugin = false;
  for (const auto& a : args) hasPlugin = hasPlugin || a == "--plugin";
  if (!hasPlugin) args.insert(args.begin(), {"--plugin", bin + "\\" + ThisEdition().plugin});
  std::string docFile;
  if (artwork) {
    docFile = TempFile("doc", ".json");
    std::ofstream(docFile) << artwork->dump();
    args.push_back("--doc");
    args.push_back(docFile);
  }
  const std::string dumpFile = TempFile("dump", ".json");
  args.push_back("--dump");
  args.push_back(dumpFile);

  std::string command = Quote(bin + "\\ai_host.exe");
  for (const auto& a : args) command += " " + Quote(a);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ADD_FAILURE() << "cannot start " << command;
    return run;
  }
  if (WaitForSingleObject(pi.hProcess, 90000) != WAIT_OBJECT_0) {
    TerminateProcess(pi.hProcess, 99);
    ADD_FAILURE() << "ai_host did not finish: " << command;
  }
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  run.exitCode = static_cast<int>(code);

  std::ifstream in(dumpFile);
  if (in) run.dump = json::parse(in, nullptr, false);
  in.close();
  DeleteFileA(dumpFile.c_str());
  if (!docFile.empty()) DeleteFileA(docFile.c_str());
  if (!run.dump.is_object()) {
    ADD_FAILURE() << "no dump from " << command;
    run.dump = json::object();
    return run;
  }
  // Whatever the session did, the plug-in must hand everything back and never pass a stale handle.
  const json& host = run.dump["host"];
  EXPECT_EQ(host["problems"], json::array()) << command;
  EXPECT_EQ(host["suitesHeld"], json::object()) << command;
  EXPECT_EQ(host["strings"], 0) << command;
  EXPECT_EQ(host["contextDepth"], 0) << command;
  return run;
}

json BoxArtwork(double left, double top, double right, double bottom) {
  return {{"layers",
           {{{"title", "Artwork"},
             {"art", {{{"kind", "rectangle"}, {"bounds", {Pt(left), Pt(top), Pt(right), Pt(bottom)}},
                       {"fill", {{"cmyk", {0, 1, 1, 0}}}}}}}}}}};
}

const json& LayerOf(const json& dump, const std::string& title) {
  static const json none;
  for (const json& layer : dump["layers"])
    if (layer["title"] == title) return layer;
  return none;
}

namespace {
void Collect(const json& items, std::vector<json>& out) {
  for (const json& a : items) {
    if (a["kind"] == "group") Collect(a["art"], out);
    else out.push_back(a);
  }
}
}  // namespace

std::vector<json> PathsOf(const json& layer) {
  std::vector<json> out;
  if (layer.is_object()) Collect(layer["art"], out);
  return out;
}

std::vector<json> PathsOf(const json& layer, const std::string& kind) {
  std::vector<json> out;
  for (const json& p : PathsOf(layer))
    if (p["kind"] == kind) out.push_back(p);
  return out;
}

std::vector<json> MessagesOf(const json& dump, const std::string& caller, const std::string& selector) {
  std::vector<json> out;
  for (const json& m : dump["messages"])
    if (m["caller"] == caller && m["selector"] == selector) out.push_back(m);
  return out;
}

}  // namespace orvan::aitest
