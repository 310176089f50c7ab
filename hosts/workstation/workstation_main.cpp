// workstation.exe --lay DESCRIPTION.json | --remove DESCRIPTION.json: the workstation builder for scripts.
// --lay prints where everything landed as JSON on standard output.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "workstation.h"

namespace ws = orvan::workstation;

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::string(argv[1]) != "--lay" && std::string(argv[1]) != "--remove")) {
    std::cerr << "usage: workstation.exe --lay DESCRIPTION.json | --remove DESCRIPTION.json\n";
    return 2;
  }
  try {
    ws::Description d = ws::parseDescription(readFile(argv[2]));
    // Without a root of its own, a script's workstation is the real C: drive of the prefix.
    if (d.root.empty()) d.root = "C:\\";
    if (std::string(argv[1]) == "--remove") {
      ws::Workstation::remove(d);
      return 0;
    }
    ws::Workstation station(d);
    station.keep();
    std::cout << station.placesJson() << "\n";
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "workstation: " << e.what() << "\n";
    return 1;
  }
}
