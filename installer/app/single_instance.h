// One running installer at a time: the named mutex "Benchmate", and raising the first instance's window.
#pragma once
#include <windows.h>

namespace orvan::installer {

class SingleInstance {
public:
  // Creates (or opens) the mutex; it stays open for the object's life, i.e. the program's.
  explicit SingleInstance(const char* mutexName);
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;
  ~SingleInstance();

  bool IsFirst() const { return first_; }

private:
  HANDLE mutex_ = nullptr;
  bool first_ = true;
};

// Restores the first instance's main window if it is minimised and brings it to the foreground.
// The first instance may still be creating its window, so it is looked for a little while.
void RaiseFirstInstance(const char* windowClass);

}  // namespace orvan::installer
