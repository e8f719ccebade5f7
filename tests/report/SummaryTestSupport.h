// Shared set-up of the summary tests: a fixed report date and CR LF line joining.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

namespace velkora::testing {

// Dec 5, 2026, noon UTC.
inline constexpr const char* kReportEpoch = "1796472000";

inline void FixReportDate(const char* epoch = kReportEpoch) {
  ::setenv("SOURCE_DATE_EPOCH", epoch, 1);
}

// Each line followed by CR LF.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\r\n";
  }
  return text;
}

}  // namespace velkora::testing
