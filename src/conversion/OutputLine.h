// What every point writer shares: the elevation rule and the writing of finished lines.
#pragma once

#include <ostream>
#include <string>

#include "session/SessionState.h"

namespace velkora {

// The elevation is left out when suppression is on and it is not above zero (a missing
// elevation reads as 0).
inline bool IsElevationSuppressed(const SessionState& session) {
  return session.suppressZeroElev && !(session.point.elev > 0);
}

// Writes `lines`, whose every line already ends in CR LF, to the output file. They go straight
// to the stream's buffer: a line is too short to pay for a stream sentry each time. A short
// write marks the stream bad, as ostream::write would.
inline void WriteLines(SessionState& session, const std::string& lines) {
  std::ostream& output = *session.outFile;
  const auto size = static_cast<std::streamsize>(lines.size());
  if (output.good() && output.rdbuf()->sputn(lines.data(), size) != size) {
    output.setstate(std::ios::badbit);
  }
}

inline constexpr const char* kLineEnd = "\r\n";

}  // namespace velkora
