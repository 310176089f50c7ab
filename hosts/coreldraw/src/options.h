// The simulated CorelDRAW's command line.
#pragma once
#include <string>
#include <vector>

#include "model.h"

namespace orvan::corelsim {

struct Options {
  std::string plugin;             // --plugin FILE.cpg
  long version = 24;              // --version N
  std::string doc;                // --doc ARTWORK.json
  std::string state;              // --state STATE.json
  int notReady = 0;               // --not-ready N
  std::vector<std::string> answers;  // --answer "TEXT=BUTTON" (scripted user rules)
  std::string saveAs;             // --save-as FILE | cancel
  std::vector<std::string> events;   // --event ...
  std::vector<Fault> faults;      // --fail "Object.Member@N=HRESULT"
  std::string dump;               // --dump OUT.json
  std::string svg;                // --svg OUT.svg
  std::string pdf;                // --pdf OUT.pdf: the active page as the host would publish it, after the run
  bool probe = false;             // --probe: interface and reference-count checks before OnLoad
  int dialogTimeoutMs = 8000;     // --dialog-timeout MS
};

// Throws std::runtime_error with a usage message on bad input.
Options ParseOptions(const std::vector<std::string>& args);
Fault ParseFault(const std::string& text);

}  // namespace orvan::corelsim
