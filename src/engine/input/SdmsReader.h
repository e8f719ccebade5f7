// Reader of SDMS point files: records of coded lines, each opened by an "AC" line.
#pragma once

#include <memory>

#include "engine/input/PointReader.h"

namespace velkora {

// A reader that starts at the first line beginning "AC:"; without one (or when it is the last
// line of the file) the file gives no points.
std::unique_ptr<PointReader> MakeSdmsReader(const Detection& detection);

}  // namespace velkora
