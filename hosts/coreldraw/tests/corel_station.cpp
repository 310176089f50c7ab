// Lays out the simulated CorelDRAW installation and runs the simulator as its own process.
#include "corel_station.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "wine_paths.h"

namespace orvan::corel::test {

namespace {

constexpr bool k64 = sizeof(void*) == 8;

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

void Copy(const std::string& from, const std::string& to) {
  ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE)) << from << " -> " << to << " error " << GetLastError();
}

}  // namespace

std::string IconBytes() {
  std::string img;
  auto u16 = [&](std::string& s, unsigned v) { s += char(v & 0xFF); s += char(v >> 8 & 0xFF); };
  auto u32 = [&](std::string& s, unsigned v) { u16(s, v & 0xFFFF); u16(s, v >> 16); };
  u32(img, 40); u32(img, 16); u32(img, 32); u16(img, 1); u16(img, 32);
  for (int i = 0; i < 6; ++i) u32(img, 0);
  for (int i = 0; i < 256; ++i) img += std::string("\x00\x00\xC8\xFF", 4);
  img += std::string(64, '\0');
  std::string ico;
  u16(ico, 0); u16(ico, 1); u16(ico, 1);
  ico += char(16); ico += char(16); ico += char(0); ico += char(0);
  u16(ico, 1); u16(ico, 32); u32(ico, unsigned(img.size())); u32(ico, 22);
  return ico + img;
}

CorelStation::CorelStation(const std::string& executableFolder, const std::string& pluginFolder) : tree_("corel") {
  const std::string exeFolder = executableFolder.empty() ? (k64 ? "Corel\\Programs64" : "Corel\\Programs") : executableFolder;
  pluginFolder_ = tree_.folder(pluginFolder.empty() ? (k64 ? "Corel\\Draw\\Plugins64" : "Corel\\Draw\\Plugins") : pluginFolder);
  tree_.folder(exeFolder);
  executable_ = tree_.path(exeFolder + "\\CorelDRW.exe");
  plugin_ = pluginFolder_ + "\\Tablebar.cpg";
  const std::string bin = orvan::test::programFolder();
  Copy(bin + "\\CorelSim.exe", executable_);
  Copy(bin + "\\Tablebar.cpg", plugin_);
  for (const char* icon : {"template_St.ico", "cutrix_16.ico", "cutout_16.ico", "pdf_16.ico"})
    orvan::test::FolderTree::writeFile(pluginFolder_ + "\\" + icon, IconBytes());
}

std::string CorelStation::artwork(const nlohmann::json& document, const std::string& name) {
  return tree_.file(name, document.dump());
}

nlohmann::json CorelStation::run(const std::vector<std::string>& args) {
  const std::string dump = tree_.path("dump-" + std::to_string(++runs_) + ".json");
  std::string command = Quote(executable_) + " --plugin " + Quote(plugin_) + " --dump " + Quote(dump);
  for (const auto& a : args) command += " " + Quote(a);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    ADD_FAILURE() << "cannot start " << command;
    return {};
  }
  const DWORD waited = WaitForSingleObject(process.hProcess, 90000);
  if (waited != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);
    ADD_FAILURE() << "the simulated CorelDRAW did not end: " << command;
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  exitCode_ = int(code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::ifstream in(dump);
  if (!in) {
    ADD_FAILURE() << "no dump from " << command << " (exit code " << code << ")";
    return {};
  }
  return nlohmann::json::parse(in);
}

nlohmann::json Artwork(const std::vector<nlohmann::json>& shapes, long unit) {
  nlohmann::json layer = {{"name", "Layer 1"}, {"shapes", nlohmann::json(shapes)}};
  nlohmann::json page = {{"width", 600}, {"height", 400}, {"layers", nlohmann::json::array({layer})}};
  return {{"name", "Artwork"}, {"unit", unit}, {"pages", nlohmann::json::array({page})}};
}

nlohmann::json Rectangle(double x, double y, double w, double h) {
  return {{"kind", "rectangle"}, {"x", x}, {"y", y}, {"w", w}, {"h", h}, {"outline", 1.0}};
}

std::vector<nlohmann::json> Dialogs(const nlohmann::json& dump, const std::string& caption) {
  std::vector<nlohmann::json> out;
  for (const auto& d : dump.value("dialogs", nlohmann::json::array()))
    if (d.value("caption", "") == caption) out.push_back(d);
  return out;
}

nlohmann::json FindLayer(const nlohmann::json& dump, const std::string& name, int document) {
  const auto& doc = dump["documents"][size_t(document)];
  const auto& page = doc["pages"][size_t(doc["activePage"].get<int>() - 1)];
  for (const auto& l : page["layers"])
    if (l["name"] == name) return l;
  return nullptr;
}

}  // namespace orvan::corel::test
