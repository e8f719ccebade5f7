// The progress line of velkora-cli convert.
#include "cli/ProgressLine.h"

#include <cstdio>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace velkora::cli {

std::string GroupedCount(std::int64_t count) {
  const std::string digits = std::to_string(count);
  std::string grouped;
  const std::size_t firstGroup = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i >= firstGroup && (i - firstGroup) % 3 == 0) {
      grouped += ',';
    }
    grouped += digits[i];
  }
  return grouped;
}

bool ProgressLine::StderrIsTerminal() {
#if defined(_WIN32)
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(fileno(stderr)) != 0;
#endif
}

void ProgressLine::Show(std::int64_t pointsWritten) {
  if (!onTerminal_) {
    return;
  }
  const std::string line = "velkora-cli: " + GroupedCount(pointsWritten) + " points";
  std::fprintf(stderr, "\r%s", line.c_str());
  std::fflush(stderr);
  shownWidth_ = line.size();
}

void ProgressLine::Clear() {
  if (shownWidth_ == 0) {
    return;
  }
  std::fprintf(stderr, "\r%s\r", std::string(shownWidth_, ' ').c_str());
  std::fflush(stderr);
  shownWidth_ = 0;
}

}  // namespace velkora::cli
