// Checks icon files by their directory and palettes as CorelDRAW XML: one root element
// "palette" holding "colors", every tag closed in order.
#include "host_files.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "automation_object.h"

namespace orvan::corelsim {

namespace {

bool ReadAll(const std::string& path, std::string& content) {
  std::ifstream in(std::filesystem::path(Wide(path)), std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  content = s.str();
  return true;
}

unsigned Word(const std::string& d, size_t at) { return uint8_t(d[at]) | unsigned(uint8_t(d[at + 1])) << 8; }
uint32_t Dword(const std::string& d, size_t at) { return Word(d, at) | uint32_t(Word(d, at + 2)) << 16; }

}  // namespace

bool CheckIconFile(const std::string& path, std::string& problem) {
  std::string data;
  if (!ReadAll(path, data)) return problem = "the file does not exist or cannot be read", false;
  if (data.size() < 6 || Word(data, 0) != 0 || Word(data, 2) != 1 || Word(data, 4) == 0)
    return problem = "the file is not an icon", false;
  const unsigned count = Word(data, 4);
  if (data.size() < 6 + 16 * size_t(count)) return problem = "the icon directory is cut short", false;
  for (unsigned i = 0; i < count; ++i) {
    const uint32_t size = Dword(data, 6 + 16 * i + 8), offset = Dword(data, 6 + 16 * i + 12);
    if (size == 0 || uint64_t(offset) + size > data.size()) return problem = "an icon image lies outside the file", false;
  }
  return true;
}

bool CheckPaletteFile(const std::string& path, std::string& name, std::string& problem) {
  std::string xml;
  if (!ReadAll(path, xml)) return problem = "the file does not exist or cannot be read", false;
  std::vector<std::string> open;
  bool sawRoot = false, sawColors = false;
  size_t at = 0;
  while ((at = xml.find('<', at)) != std::string::npos) {
    const size_t end = xml.find('>', at);
    if (end == std::string::npos) return problem = "a tag is not closed", false;
    std::string tag = xml.substr(at + 1, end - at - 1);
    at = end + 1;
    if (tag.empty()) return problem = "an empty tag", false;
    if (tag[0] == '?' || tag[0] == '!') continue;
    if (tag[0] == '/') {
      const std::string closing = tag.substr(1, tag.find_first_of(" \t\r\n") - 1);
      if (open.empty() || open.back() != closing) return problem = "the element </" + closing + "> does not match", false;
      open.pop_back();
      continue;
    }
    const bool selfClosing = tag.back() == '/';
    const std::string element = tag.substr(0, tag.find_first_of(" \t\r\n/"));
    if (open.empty()) {
      if (sawRoot) return problem = "more than one root element", false;
      if (element != "palette") return problem = "the root element is not <palette>", false;
      sawRoot = true;
      const size_t n = tag.find("name=\"");
      if (n != std::string::npos) name = tag.substr(n + 6, tag.find('"', n + 6) - n - 6);
    }
    if (element == "colors") sawColors = true;
    if (!selfClosing) open.push_back(element);
  }
  if (!sawRoot) return problem = "there is no <palette> element", false;
  if (!open.empty()) return problem = "the element <" + open.back() + "> is not closed", false;
  if (!sawColors) return problem = "the palette holds no <colors>", false;
  return true;
}

}  // namespace orvan::corelsim
