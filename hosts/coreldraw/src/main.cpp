// The simulated CorelDRAW: loads a .cpg plug-in, drives it as CorelDRAW does, answers its dialogs
// through the scripted user, and writes what happened as JSON (and the page as SVG or PDF).
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "artwork_json.h"
#include "automation_object.h"
#include "document_output.h"
#include "dump_json.h"
#include "options.h"
#include "scripted_user.h"
#include "session.h"

using namespace orvan::corelsim;

namespace {

std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(Narrow(std::wstring(argv[i])));
  LocalFree(argv);
  return args;
}

HWND MakeMainWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"OrvanSimulatedCorelDRAW";
  RegisterClassW(&wc);
  HWND window = CreateWindowW(wc.lpszClassName, L"CorelDRAW (simulated)", WS_OVERLAPPEDWINDOW, 40, 40, 640, 480,
                              nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  return window;
}

std::vector<orvan::scripted::Rule> Script(const Options& o) {
  std::vector<orvan::scripted::Rule> rules;
  for (const auto& a : o.answers) rules.push_back(orvan::scripted::ParseRule(a));
  if (!o.saveAs.empty()) {
    orvan::scripted::Rule save;
    save.caption = "Publish to PDF";
    if (o.saveAs == "cancel") {
      save.button = "Cancel";
    } else {
      save.button = "Save";
      save.fileName = o.saveAs;
    }
    rules.insert(rules.begin(), save);
  } else {
    orvan::scripted::Rule cancel;  // nobody asked for a file: the user walks away
    cancel.caption = "Publish to PDF";
    cancel.button = "Cancel";
    rules.insert(rules.begin(), cancel);
  }
  return rules;
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(std::filesystem::path(Wide(path)), std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + path);
  out << text;
}

int Run() {
  const Options options = ParseOptions(Arguments());
  Host& host = TheHost();
  host.version = options.version;
  host.notReadyReads = options.notReady;
  host.faults = options.faults;
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  host.executable = Narrow(std::wstring(self));
  host.mainWindow = MakeMainWindow();
  LoadState(options.state);
  if (!options.doc.empty()) LoadArtwork(options.doc);

  nlohmann::json dump;
  {
    orvan::scripted::Options userOptions;
    userOptions.timeout = std::chrono::milliseconds(options.dialogTimeoutMs);
    orvan::scripted::ScriptedUser user(Script(options), userOptions);
    dump["session"] = RunSession(options);
    dump["dialogs"] = DumpDialogs(user.All());
  }
  if (!options.state.empty()) SaveState(options.state);
  std::string error;
  if (host.activeDocument) {
    Document& doc = *host.activeDocument;
    if (!options.svg.empty() && !WriteSvg(doc, doc.page(), options.svg, error))
      throw std::runtime_error(options.svg + ": " + error);
    if (!options.pdf.empty() && !WritePdf(doc, doc.page(), options.pdf, error))
      throw std::runtime_error(options.pdf + ": " + error);
  }
  nlohmann::json hostDump = DumpHost();
  for (auto it = hostDump.begin(); it != hostDump.end(); ++it) dump[it.key()] = it.value();
  if (!options.dump.empty()) WriteText(options.dump, dump.dump(2) + "\n");
  DestroyWindow(host.mainWindow);
  return 0;
}

}  // namespace

int main() {
  OleInitialize(nullptr);
  int code = 0;
  try {
    code = Run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "CorelDRW: %s\n", e.what());
    code = 2;
  }
  OleUninitialize();
  return code;
}
