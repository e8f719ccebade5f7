// The header defaults file beside the program: a "[HEADER]" section of six key lines whose
// values become the job header of every report after start-up.
#pragma once

#include <string>

#include "engine/points/HeaderInfo.h"

namespace velkora {

// The header in the file at `path`: a line whose first nine characters are exactly one of the
// keys ("THNumber=" ...) sets that field to the rest of the line, trimmed; every other line is
// ignored. A missing or unreadable file gives an empty header, silently.
HeaderInfo ReadHeaderDefaults(const std::string& path);

// Writes "[HEADER]" and the six keys with their values trimmed, CR LF after each line,
// replacing the file at `path` only once the new text is complete. On failure returns false
// with the reason in `error`; the old file stays as it was.
bool WriteHeaderDefaults(const std::string& path, const HeaderInfo& boxes, std::string& error);

}  // namespace velkora
