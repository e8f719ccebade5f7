// Writer of "Tavrin 80-Column": one fixed-column line per point, numbers with 3 decimals.
#pragma once

#include <memory>

#include "engine/output/PointWriter.h"

namespace velkora {

// A point read from an 80-column file keeps its input line with only the X and Y columns
// replaced; any other point gets a line built from its fields. Keeps the comment lines of an
// 80-column input.
std::unique_ptr<PointWriter> MakeEightyColumnWriter(const OutputSettings& settings);

}  // namespace velkora
