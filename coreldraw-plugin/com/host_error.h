// A failed call into CorelDRAW: its HRESULT and the host's own description, carried as one value.
#pragma once
#include <windows.h>

#include <exception>
#include <string>

namespace orvan::corel {

// Thrown only inside the plug-in; every host-called function catches it at its boundary.
class HostError : public std::exception {
public:
  HostError(HRESULT code, std::wstring description) : code_(code), description_(std::move(description)) {}
  HRESULT code() const { return code_; }
  const std::wstring& description() const { return description_; }
  const char* what() const noexcept override { return "CorelDRAW reported an error"; }

private:
  HRESULT code_;
  std::wstring description_;
};

}  // namespace orvan::corel
