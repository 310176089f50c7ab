// Parsing and counting of injected failures.
#include "failures.h"

#include <stdexcept>

namespace orvan::aihost {

AIErr ParseCode(const std::string& text) {
  if (text.empty()) throw std::invalid_argument("empty error code");
  const bool numeric = text.find_first_not_of("-0123456789") == std::string::npos && text != "-";
  if (numeric) return static_cast<AIErr>(std::stol(text));
  if (text.size() != 4) throw std::invalid_argument("an error code is a number or four characters: " + text);
  const char chars[5] = {text[0], text[1], text[2], text[3], 0};
  return FourCharCode(chars);
}

void Failures::add(const std::string& line) {
  const auto at = line.rfind('@');
  const auto eq = line.rfind('=');
  if (at == std::string::npos || eq == std::string::npos || eq < at)
    throw std::invalid_argument("expected SUITE.OPERATION@N=CODE: " + line);
  const std::string operation = line.substr(0, at);
  if (operation.find('.') == std::string::npos) throw std::invalid_argument("expected SUITE.OPERATION: " + operation);
  Rule rule{operation, std::stoi(line.substr(at + 1, eq - at - 1)), {}};
  if (rule.n < 1) throw std::invalid_argument("calls are counted from 1: " + line);
  const std::string code = line.substr(eq + 1);
  rule.outcome.active = true;
  if (code == "NULL") {
    rule.outcome.empty = true;
  } else {
    rule.outcome.code = ParseCode(code);
  }
  rules_.push_back(rule);
}

Injection Failures::check(const std::string& suite, const std::string& operation) {
  const std::string name = suite + "." + operation;
  const int n = ++calls_[name];
  for (const Rule& rule : rules_)
    if (rule.operation == name && rule.n == n) return rule.outcome;
  return {};
}

int Failures::calls(const std::string& suite, const std::string& operation) const {
  auto it = calls_.find(suite + "." + operation);
  return it == calls_.end() ? 0 : it->second;
}

}  // namespace orvan::aihost
