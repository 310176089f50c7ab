// A simulated CorelDRAW installation for one test: the simulator as CorelDRW.exe in Programs64
// (Programs for the 32-bit build), Tablebar.cpg and icon fixtures in Draw\Plugins64 (Plugins),
// and a way to run it and read its dump.
#pragma once
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "folder_tree.h"

namespace orvan::corel::test {

// A small valid .ico file (one 16 x 16 image).
std::string IconBytes();

class CorelStation {
public:
  // executableFolder and pluginFolder are relative to the tree; empty: the usual ones for this build.
  explicit CorelStation(const std::string& executableFolder = "", const std::string& pluginFolder = "");

  orvan::test::FolderTree& tree() { return tree_; }
  std::string executable() const { return executable_; }
  std::string pluginFile() const { return plugin_; }
  std::string pluginFolder() const { return pluginFolder_; }

  // Writes artwork JSON into the tree and gives its path.
  std::string artwork(const nlohmann::json& document, const std::string& name = "art.json");

  // Runs the simulator with --plugin and --dump added; fails the test when it does not end in time.
  nlohmann::json run(const std::vector<std::string>& args);
  int lastExitCode() const { return exitCode_; }

private:
  orvan::test::FolderTree tree_;
  std::string executable_, plugin_, pluginFolder_;
  int runs_ = 0;
  int exitCode_ = 0;
};

// Artwork: one page 600 x 400 mm with one layer holding the given shapes (millimetres).
nlohmann::json Artwork(const std::vector<nlohmann::json>& shapes, long unit = 1);
nlohmann::json Rectangle(double x, double y, double w, double h);

// The dialogs of a dump whose caption is exactly caption.
std::vector<nlohmann::json> Dialogs(const nlohmann::json& dump, const std::string& caption);
// The page's layer of that name (null when absent), top layer first as in the dump.
nlohmann::json FindLayer(const nlohmann::json& dump, const std::string& name, int document = 0);

}  // namespace orvan::corel::test
