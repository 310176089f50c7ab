// Result codes of the Illustrator host interface: 32-bit values, 0 for success, most named by four
// characters with the first character in the most significant byte.
#pragma once

#include <cstdint>
#include <string>

using AIErr = std::int32_t;

constexpr AIErr FourCharCode(const char (&code)[5]) {
  return static_cast<AIErr>((std::uint32_t(std::uint8_t(code[0])) << 24) | (std::uint32_t(std::uint8_t(code[1])) << 16) |
                            (std::uint32_t(std::uint8_t(code[2])) << 8) | std::uint32_t(std::uint8_t(code[3])));
}

constexpr AIErr kNoErr = 0;
constexpr AIErr kUnhandledMsgErr = FourCharCode("!MSG");   // message not handled: answered as 0
constexpr AIErr kOutOfMemoryErr = FourCharCode("MEM!");
constexpr AIErr kCantHappenErr = FourCharCode("CANT");
constexpr AIErr kSuiteNotFoundErr = FourCharCode("S!Fd");  // no suite of that name and version
constexpr AIErr kStopErr = FourCharCode("STOP");           // the user stopped; nothing to show
constexpr AIErr kBadParameterErr = FourCharCode("PARM");
constexpr AIErr kBadSelectionErr = FourCharCode("!sel");
constexpr AIErr kLockedErr = FourCharCode("LOCK");          // art may not be made in a locked layer
constexpr AIErr kMacMemoryErr = -108;                       // memFullErr of the classic hosts

// The code as people read it: its four characters when all are printable, else its decimal value.
inline std::string CodeText(AIErr code) {
  const auto u = static_cast<std::uint32_t>(code);
  std::string chars;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const char c = static_cast<char>((u >> shift) & 0xFF);
    if (c < 0x20 || c > 0x7E) return std::to_string(code);
    chars += c;
  }
  return chars;
}
