// The point count of a long run on a terminal, rewritten in place on one stderr line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velkora::cli {

// "1200000" as "1,200,000".
std::string GroupedCount(std::int64_t count);

class ProgressLine {
 public:
  // Off the terminal the line is never shown, so logs and pipes stay clean.
  static bool StderrIsTerminal();

  explicit ProgressLine(bool onTerminal) : onTerminal_(onTerminal) {}
  ~ProgressLine() { Clear(); }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void Show(std::int64_t pointsWritten);
  void Clear();

 private:
  bool onTerminal_;
  std::size_t shownWidth_ = 0;
};

}  // namespace velkora::cli
