// The single-instance mutex and the hand-over to the first instance.
#include "single_instance.h"

#include <stdexcept>

namespace orvan::installer {

SingleInstance::SingleInstance(const char* mutexName) {
  mutex_ = CreateMutexA(nullptr, FALSE, mutexName);
  DWORD error = GetLastError();
  if (!mutex_) throw std::runtime_error("Cannot create the mutex " + std::string(mutexName));
  first_ = error != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

void RaiseFirstInstance(const char* windowClass) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    HWND first = FindWindowA(windowClass, nullptr);
    if (first) {
      // SW_RESTORE rather than the default show state: this start's own show state (a shortcut set to start
      // minimised, say) must not leave the first window minimised.
      if (IsIconic(first)) ShowWindow(first, SW_RESTORE);
      SetForegroundWindow(first);
      return;
    }
    Sleep(50);
  }
}

}  // namespace orvan::installer
