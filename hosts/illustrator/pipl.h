// Reading a plug-in property list ("PIPL" 16000) as the host does before it calls the plug-in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvan::aihost {

struct PiplProperty {
  std::string vendor;  // as stored ("EBDA")
  std::string key;     // as stored ("dnik", "srvi", "68xw", "mnip")
  std::vector<std::uint8_t> data;
};

struct Pipl {
  std::vector<PiplProperty> properties;
  std::size_t trailingBytes = 0;
  std::string kind;        // "AEPS" for an Illustrator plug-in
  std::int32_t interfaceVersion = 0;
  std::string entryPoint;  // the Windows code entry
  std::string name;        // the plug-in name property, when present
};

// Empty error text on success; otherwise why the host would refuse the plug-in.
std::string ParsePipl(const std::vector<std::uint8_t>& bytes, Pipl& pipl);

}  // namespace orvan::aihost
