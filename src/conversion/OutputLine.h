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

// Writes `lines`, whose every line already ends in CR LF, to the output file.
inline void WriteLines(SessionState& session, const std::string& lines) {
  session.outFile->write(lines.data(), static_cast<std::streamsize>(lines.size()));
}

inline constexpr const char* kLineEnd = "\r\n";

}  // namespace velkora
