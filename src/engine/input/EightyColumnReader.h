// Reader of the fixed-column 80-column layout: one point per line. Comment lines are handed
// over.
#pragma once

#include <memory>

#include "engine/input/PointReader.h"

namespace velkora {

// The detected layout (plain or plus) chooses the feature columns.
std::unique_ptr<PointReader> MakeEightyColumnReader(const Detection& detection);

}  // namespace velkora
