// The JSON forms of a workstation: its description read, and where everything landed written (see README.md).
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "workstation.h"

namespace orvan::workstation {
namespace {

using nlohmann::json;

Bits bitsOf(const json& j) {
  int bits = j.value("bits", 64);
  if (bits != 32 && bits != 64) throw std::runtime_error("\"bits\" must be 32 or 64");
  return bits == 64 ? Bits::B64 : Bits::B32;
}

std::string versionOf(const json& j) {
  if (!j.contains("version")) throw std::runtime_error("an entry without \"version\"");
  const json& v = j["version"];
  return v.is_string() ? v.get<std::string>() : v.dump();
}

std::vector<FileCopy> filesOf(const json& j) {
  std::vector<FileCopy> files;
  for (const json& f : j.value("files", json::array()))
    files.push_back({f.at("from").get<std::string>(), f.at("to").get<std::string>()});
  return files;
}

ExeKind exeKindOf(const std::string& text) {
  if (text == "stub") return ExeKind::Stub;
  if (text == "not-a-program") return ExeKind::NotAProgram;
  if (text == "missing") return ExeKind::Missing;
  throw std::runtime_error("\"exe\" must be stub, not-a-program or missing");
}

}  // namespace

Description parseDescription(const std::string& text) {
  try {
    json j = json::parse(text, nullptr, true, /*ignore_comments=*/true);
    Description d;
    d.root = j.value("root", "");
    d.clean = j.value("clean", true);
    d.scribo = j.value("scribo", false);
    d.stub32 = j.value("stub32", "");
    d.stub64 = j.value("stub64", "");
    if (j.contains("programFolder")) {
      const json& p = j["programFolder"];
      if (p.is_boolean()) {
        d.programFolder = p.get<bool>();
      } else {
        d.program.folder = p.value("folder", d.program.folder);
        d.program.omit = p.value("omit", std::vector<std::string>{});
        d.program.files = filesOf(p);
      }
    }
    for (const json& a : j.value("illustrator", json::array())) {
      Illustrator ai;
      ai.version = versionOf(a);
      ai.bits = bitsOf(a);
      ai.folder = a.value("folder", "");
      ai.twin = a.value("twin", false);
      ai.twinFolder = a.value("twinFolder", "");
      ai.registered = a.value("registered", true);
      ai.exe = exeKindOf(a.value("exe", "stub"));
      ai.exeFolder = a.value("exeFolder", ai.exeFolder);
      ai.pluginFolder = a.value("pluginFolder", ai.pluginFolder);
      ai.swatchFolder = a.value("swatchFolder", "");
      ai.files = filesOf(a);
      d.illustrators.push_back(ai);
    }
    for (const json& c : j.value("corel", json::array())) {
      Corel corel;
      corel.version = versionOf(c);
      corel.bits = bitsOf(c);
      corel.designer = c.value("designer", false);
      corel.folder = c.value("folder", "");
      corel.registered = c.value("registered", true);
      corel.installed = c.value("installed", true);
      corel.configDir = c.value("configDir", true);
      corel.pluginFolder = c.value("pluginFolder", true);
      corel.files = filesOf(c);
      d.corels.push_back(corel);
    }
    return d;
  } catch (const json::exception& e) {
    throw std::runtime_error(std::string("workstation description: ") + e.what());
  }
}

std::string Workstation::placesJson() const {
  json places;
  places["root"] = root();
  places["programFolder"] = description_.programFolder ? programFolder() : "";
  places["illustrator"] = json::array();
  for (const auto& p : illustrators_)
    places["illustrator"].push_back({{"version", p.version}, {"bits", static_cast<int>(p.bits)}, {"root", p.root},
                                     {"twinRoot", p.twinRoot}, {"exe", p.exe}});
  places["corel"] = json::array();
  for (const auto& p : corels_)
    places["corel"].push_back({{"version", p.version}, {"bits", static_cast<int>(p.bits)}, {"root", p.root}});
  return places.dump(2);
}

}  // namespace orvan::workstation
