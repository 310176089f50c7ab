// Test helper: opens the named file with no sharing, writes 'R', and keeps it open until standard input closes.
#include <windows.h>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD n = 0;
  WriteFile(out, file == INVALID_HANDLE_VALUE ? "F" : "R", 1, &n, nullptr);
  char buffer[16];
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &n, nullptr) && n > 0) {
  }
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return 0;
}
