// Parses the command line of the simulated CorelDRAW.
#include "options.h"

#include <stdexcept>

namespace orvan::corelsim {

Fault ParseFault(const std::string& text) {
  const size_t eq = text.find('=');
  if (eq == std::string::npos) throw std::runtime_error("--fail needs Object.Member@N=HRESULT: " + text);
  Fault f;
  std::string target = text.substr(0, eq);
  if (const size_t at = target.find('@'); at != std::string::npos) {
    f.call = std::stoi(target.substr(at + 1));
    target = target.substr(0, at);
  }
  if (target.find('.') == std::string::npos) throw std::runtime_error("--fail needs Object.Member: " + text);
  f.member = target;
  f.code = HRESULT(std::stoul(text.substr(eq + 1), nullptr, 0));
  return f;
}

Options ParseOptions(const std::vector<std::string>& args) {
  Options o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= args.size()) throw std::runtime_error(a + " needs a value");
      return args[++i];
    };
    if (a == "--plugin") o.plugin = value();
    else if (a == "--version") o.version = std::stol(value());
    else if (a == "--doc") o.doc = value();
    else if (a == "--state") o.state = value();
    else if (a == "--not-ready") o.notReady = std::stoi(value());
    else if (a == "--answer") o.answers.push_back(value());
    else if (a == "--save-as") o.saveAs = value();
    else if (a == "--event") o.events.push_back(value());
    else if (a == "--fail") o.faults.push_back(ParseFault(value()));
    else if (a == "--dump") o.dump = value();
    else if (a == "--svg") o.svg = value();
    else if (a == "--pdf") o.pdf = value();
    else if (a == "--probe") o.probe = true;
    else if (a == "--dialog-timeout") o.dialogTimeoutMs = std::stoi(value());
    else throw std::runtime_error("unknown option " + a);
  }
  if (o.plugin.empty()) throw std::runtime_error("--plugin FILE.cpg is required");
  return o;
}

}  // namespace orvan::corelsim
