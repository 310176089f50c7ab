// Injected failures: "SUITE.OPERATION@N=CODE" makes the n-th call of that operation (counted
// over every version of the suite) answer CODE, a four-character code or a decimal number.
// CODE "NULL" answers success with an empty result (a layer that is not found, no list).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ai_codes.h"

namespace orvan::aihost {

struct Injection {
  bool active = false;
  bool empty = false;  // success with nothing found
  AIErr code = kNoErr;
};

class Failures {
 public:
  // Throws std::invalid_argument for a malformed line.
  void add(const std::string& line);
  Injection check(const std::string& suite, const std::string& operation);
  int calls(const std::string& suite, const std::string& operation) const;

 private:
  struct Rule {
    std::string operation;  // "SUITE.OPERATION"
    int n;
    Injection outcome;
  };
  std::vector<Rule> rules_;
  std::map<std::string, int> calls_;
};

AIErr ParseCode(const std::string& text);  // "CANT", "!sel", "-108"; throws std::invalid_argument

}  // namespace orvan::aihost
