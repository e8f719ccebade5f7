// Writer of "SDMS Points": one record of tagged lines per point.
#pragma once

#include <memory>

#include "engine/output/PointWriter.h"

namespace velkora {

// A point read from an SDMS file keeps its whole record with only the coordinate lines
// replaced; any other point gets a record of its own fields.
std::unique_ptr<PointWriter> MakeSdmsWriter(const OutputSettings& settings);

}  // namespace velkora
