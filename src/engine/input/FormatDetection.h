// Recognising a coordinate file's layout from its first significant line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/points/ColumnOrder.h"
#include "engine/points/Layouts.h"

namespace velkora {

struct Detection {
  Detection(InputLayout detected = InputLayout::kUnrecognized, char separator = ';')
      : layout(detected), delimiter(separator) {}

  InputLayout layout = InputLayout::kUnrecognized;
  char delimiter = ';';  // the description separator of a Geopak-delimited file
  // The column order a header line gives a delimited file; none without such a line.
  std::optional<ColumnOrder> headerOrder;
};

// The layout of a file whose first significant line is `line`. An empty line or one with "$"
// in column 1 is unrecognised.
Detection ClassifyFirstLine(std::string_view line);

// The layout of the file at `path` (kCannotOpen when it cannot be read): its first line that is
// neither empty nor a "$" comment decides. When that line names the columns (HeaderColumnOrder),
// the next such line decides instead, and a delimited file takes the order the header names.
Detection DetectFormat(const std::string& path);

// The column order the delimited files among `paths` are read in: the one they all share, by
// their header lines or else `chosen`; `chosen` when they differ or none is delimited.
ColumnOrder SharedColumnOrder(const std::vector<std::string>& paths, ColumnOrder chosen);

}  // namespace velkora
