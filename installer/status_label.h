// A label whose caption and font colour an operation sets (the Scribo line of the main window).
#pragma once
#include <cstdint>
#include <string>

class StatusLabel {
public:
  virtual ~StatusLabel() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetColour(uint32_t colorref) = 0;  // a Windows COLORREF: 0x00BBGGRR
};
