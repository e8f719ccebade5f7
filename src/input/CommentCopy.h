// Comment lines that travel from an input file to an output file of the same layout.
#pragma once

#include <ostream>
#include <string_view>

#include "session/SessionState.h"

namespace velkora {

// Writes `line` unchanged as one CR LF line of the open output, if there is one.
inline void CopyCommentLine(SessionState& session, std::string_view line) {
  if (session.outFile == nullptr) {
    return;
  }
  session.outFile->write(line.data(), static_cast<std::streamsize>(line.size()));
  session.outFile->write("\r\n", 2);
}

}  // namespace velkora
