// Reader of the printed coordinate listing: a title block, a column header, a dash line that
// marks the columns, then point lines with their continuation lines.
#pragma once

#include <memory>

#include "engine/input/PointReader.h"

namespace velkora {

// A reader that starts at the first point line after the column header and its dash line; a
// listing without them, or with a dash line that does not mark four columns, gives no points.
std::unique_ptr<PointReader> MakeListingReader(const Detection& detection);

}  // namespace velkora
