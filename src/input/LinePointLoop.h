// The reading loop of the layouts that hold one point per line (comma-delimited, Geopak
// delimited, 80-column): comment lines, empty lines and invalid points are passed over.
#pragma once

#include <optional>
#include <ostream>
#include <string_view>

#include "input/PointReading.h"
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

// Reads lines until one gives a valid point (true) or the input ends (the validity of the last
// point taken). A line with "$" in column 1 is a comment, copied to the output only when the
// output has the layout `commentLayout`. `takeFields(line, point)` fills the point from a line.
template <typename TakeFields>
bool ReadOnePointPerLine(SessionState& session, std::optional<FileFormat> commentLayout,
                         TakeFields&& takeFields) {
  bool valid = false;
  for (;;) {
    if (!session.inFile.ReadLine(session.lineBuf)) {
      return valid;
    }
    const std::string_view line = session.lineBuf;
    if (!line.empty() && line.front() == '$') {
      if (session.outFormatCode == commentLayout) {
        CopyCommentLine(session, line);
      }
    } else if (!line.empty()) {
      takeFields(line, session.point);
      valid = IsValidPoint(session.point);
    }
    if (valid || session.inFile.AtEnd()) {
      return valid;
    }
  }
}

}  // namespace velkora
