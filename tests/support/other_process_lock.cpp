// Starts file_holder.exe with pipes: it answers 'R' once the file is open and lets go when its input closes.
#include "other_process_lock.h"

#include "wine_paths.h"

#include <stdexcept>

namespace orvan::test {

OtherProcessLock::OtherProcessLock(const std::string& file) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE childIn = nullptr, childOut = nullptr, fromHolder = nullptr;
  if (!CreatePipe(&childIn, &toHolder_, &inherit, 0) || !CreatePipe(&fromHolder, &childOut, &inherit, 0))
    throw std::runtime_error("CreatePipe failed");
  SetHandleInformation(toHolder_, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(fromHolder, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = childIn;
  si.hStdOutput = childOut;
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION pi{};
  std::string command = "\"" + programFolder() + "\\file_holder.exe\" \"" + file + "\"";
  BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                                &si, &pi);
  CloseHandle(childIn);
  CloseHandle(childOut);
  if (!started) {
    CloseHandle(fromHolder);
    throw std::runtime_error("cannot start file_holder.exe");
  }
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  char answer = 0;
  DWORD got = 0;
  holding_ = ReadFile(fromHolder, &answer, 1, &got, nullptr) && got == 1 && answer == 'R';
  CloseHandle(fromHolder);
}

OtherProcessLock::~OtherProcessLock() {
  if (toHolder_) CloseHandle(toHolder_);
  if (process_) {
    WaitForSingleObject(process_, 10000);
    CloseHandle(process_);
  }
}

}  // namespace orvan::test
