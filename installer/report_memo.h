// The installation report as the installation routines see it: lines appended in order, cleared before a run.
// The main window's multi-line edit control implements it; tests use TextMemo.
#pragma once
#include <string>
#include <vector>

class ReportMemo {
public:
  virtual ~ReportMemo() = default;
  virtual void Append(const std::string& line) = 0;
  virtual void Clear() = 0;
  // The whole report, lines separated by "\r\n" as in a Windows edit control, no trailing separator.
  virtual std::string Text() const = 0;
};

class TextMemo : public ReportMemo {
public:
  void Append(const std::string& line) override { lines_.push_back(line); }
  void Clear() override { lines_.clear(); }
  std::string Text() const override {
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) text += (i ? "\r\n" : "") + lines_[i];
    return text;
  }
  const std::vector<std::string>& Lines() const { return lines_; }

private:
  std::vector<std::string> lines_;
};
