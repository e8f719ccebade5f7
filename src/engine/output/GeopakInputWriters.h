// Writers of Geopak coordinate-geometry "STO POI" commands, northing/easting or X/Y order.
#pragma once

#include <memory>

#include "engine/output/PointWriter.h"

namespace velkora {

enum class GeopakInputOrder { kNorthingEasting, kXY };

// "STO POI name  N y  E x" (or "  X x  Y y"), then "  EL", "  FEA" and "  DES" pieces as the
// point has them; a double quote in the description is written as two apostrophes.
std::unique_ptr<PointWriter> MakeGeopakInputWriter(const OutputSettings& settings,
                                                   GeopakInputOrder order);

}  // namespace velkora
