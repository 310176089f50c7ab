// GetBinaryTypeA behind the installer's program-type seam.
#include "platform/program_type.h"

#include <windows.h>

namespace programs {

bool programType(const std::string& path, unsigned long& type) {
  DWORD answer = 0;
  if (!GetBinaryTypeA(path.c_str(), &answer)) return false;
  type = answer;
  return true;
}

}  // namespace programs
