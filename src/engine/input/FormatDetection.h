// Recognising a coordinate file's layout from its first significant line.
#pragma once

#include <string>
#include <string_view>

#include "engine/points/Layouts.h"

namespace velkora {

struct Detection {
  InputLayout layout = InputLayout::kUnrecognized;
  char delimiter = ';';  // the description separator of a Geopak-delimited file
};

// The layout of a file whose first significant line is `line`. An empty line or one with "$"
// in column 1 is unrecognised.
Detection ClassifyFirstLine(std::string_view line);

// The layout of the file at `path` (kCannotOpen when it cannot be read): its first line that is
// neither empty nor a "$" comment decides.
Detection DetectFormat(const std::string& path);

}  // namespace velkora
