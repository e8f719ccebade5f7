// Recognising a coordinate file's layout from its first significant line.
#pragma once

#include <string_view>

#include "session/SessionState.h"

namespace velkora {

// The format code of a file whose first significant line is `line` (code 1 also gives the
// Geopak separator in `delimiter`). An empty line or one with "$" in column 1 gives 100.
FileFormat ClassifyFirstLine(std::string_view line, char& delimiter);

// Detects the format of session.curFileName: sets inFormat (always), inDelim (only for
// code 1) and lineBuf (the last line read). Opens and closes the file itself; never shows a
// message.
void DetectFormat(SessionState& session);

}  // namespace velkora
