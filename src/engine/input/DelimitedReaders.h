// Readers of the comma-delimited and Geopak-delimited layouts: one point per line, fields
// separated by commas.
#pragma once

#include <memory>

#include "engine/input/PointReader.h"
#include "engine/points/ColumnOrder.h"

namespace velkora {

// Number, X, Y, elevation, description, feature, then the rest of the line as rawText; with
// `order` northing first, Y comes before X. A field that begins with a double quote is read as a
// quoted field. Comment lines are handed over.
std::unique_ptr<PointReader> MakeCommaDelimitedReader(const Detection& detection,
                                                      ColumnOrder order);

// Number, X, Y, elevation, feature, then the description after the detected separator (";" or
// "/"); with `order` northing first, Y comes before X. Comment lines are skipped.
std::unique_ptr<PointReader> MakeGeopakDelimitedReader(const Detection& detection,
                                                       ColumnOrder order);

}  // namespace velkora
