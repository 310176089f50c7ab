// Holds a file open without sharing in another process, as a running host holds its plug-in files.
#pragma once
#include <windows.h>

#include <string>

namespace orvan::test {

class OtherProcessLock {
public:
  // Starts file_holder.exe (beside the test program) on the file and waits until it holds it.
  explicit OtherProcessLock(const std::string& file);
  OtherProcessLock(const OtherProcessLock&) = delete;
  OtherProcessLock& operator=(const OtherProcessLock&) = delete;
  ~OtherProcessLock();  // lets the holder go and waits for it to end
  bool holding() const { return holding_; }

private:
  HANDLE process_ = nullptr;
  HANDLE toHolder_ = nullptr;
  bool holding_ = false;
};

}  // namespace orvan::test
