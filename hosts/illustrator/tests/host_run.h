// Running the simulated Illustrator from a test: artwork in, dump out, with the plug-in edition of
// the test's own bitness (MarkwellCC for 64-bit, MarkwellCS1 for 32-bit).
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace orvan::aitest {

using json = nlohmann::json;

struct Edition {
  std::string plugin;            // file in the build's bin folder
  std::string marks;             // text of the plain command
  std::string marksWithSquares;  // text of the command with squares
  std::string group;             // the plug-in's menu group
  std::string submenuText;       // text of the item that opens it
  bool cs1;                      // the 32-bit edition with its own dialogs
  double tolerance;              // points: double or single precision
};

const Edition& ThisEdition();

struct HostRun {
  int exitCode = -1;
  json dump;
};

// Runs ai_host with --plugin (unless given), the artwork (when not null) and a dump; fails the test
// when the host hangs, and checks that the session left nothing of the host's behind.
HostRun RunHost(std::vector<std::string> args, const json* artwork = nullptr);

double Pt(double mm);  // mm / 0.3528

// One layer "Artwork" with one rectangle of these bounds in millimetres.
json BoxArtwork(double left, double top, double right, double bottom);
// The layer of that title in the dump (null json when missing).
const json& LayerOf(const json& dump, const std::string& title);
// Every path below a layer, depth first.
std::vector<json> PathsOf(const json& layer);
std::vector<json> PathsOf(const json& layer, const std::string& kind);
// The messages of one caller and selector.
std::vector<json> MessagesOf(const json& dump, const std::string& caller, const std::string& selector);

}  // namespace orvan::aitest
