// Shared by the installation tests: a workstation built for one case, the installer acting from its
// program folder, and expected report lines or file paths written with placeholders for the laid folders.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "program_folder.h"
#include "report_memo.h"
#include "workstation.h"

namespace installation_test {

namespace ws = orvan::workstation;

// {pf} program folder (with backslash), {ai} and {twin} the first Illustrator's roots, {ai2} the second's,
// {draw} and {draw2} the first and second CorelDRAW's roots.
inline std::string Expand(std::string text, const ws::Workstation& station) {
  auto place = [&](const std::string& key, const std::string& value) {
    for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
      text.replace(at, key.size(), value);
  };
  const auto& ai = station.illustrators();
  const auto& draw = station.corels();
  place("{pf}", station.programFolder());
  if (ai.size() > 1) place("{ai2}", ai[1].root);
  if (!ai.empty()) place("{twin}", ai[0].twinRoot), place("{ai}", ai[0].root);
  if (draw.size() > 1) place("{draw2}", draw[1].root);
  if (!draw.empty()) place("{draw}", draw[0].root);
  return text;
}

inline std::string Report(const std::vector<std::string>& lines, const ws::Workstation& station) {
  TextMemo memo;
  for (const auto& line : lines) memo.Append(Expand(line, station));
  return memo.Text();
}

inline std::string Content(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A file that should hold a given program-folder file ("Adobe\\x64\\MarkwellCC.aip"), or should be absent ("").
struct FileCheck {
  std::string path;
  std::string from;
};

inline void ExpectFiles(const std::vector<FileCheck>& checks, const ws::Workstation& station) {
  for (const auto& check : checks) {
    std::string path = Expand(check.path, station);
    EXPECT_EQ(Content(path), check.from.empty() ? "<missing>" : ws::dummyContent(check.from)) << path;
  }
}

// A workstation with the installer acting from its program folder; hosts removed afterwards.
class Station {
public:
  explicit Station(const ws::Description& d) : station_(d), source_(station_.programFolder()) {}
  const ws::Workstation& operator*() const { return station_; }
  const ws::Workstation* operator->() const { return &station_; }

private:
  ws::Workstation station_;
  ProgramFolderOverride source_;
};

inline ws::Illustrator Ai(const std::string& version, ws::Bits bits, bool twin = false) {
  ws::Illustrator ai;
  ai.version = version;
  ai.bits = bits;
  ai.twin = twin;
  return ai;
}

inline ws::Corel Draw(const std::string& version, ws::Bits bits) {
  ws::Corel draw;
  draw.version = version;
  draw.bits = bits;
  return draw;
}

}  // namespace installation_test
