// A header line that names the columns of a delimited file ("P,N,E,Z,D", "PNEZD",
// "Point,Northing,Easting,Elevation,Description", "Pt,East,North,Elev,Desc"): the column order
// it gives that file.
#pragma once

#include <optional>
#include <string_view>

#include "engine/points/ColumnOrder.h"

namespace velkora {

// The order a header line names, in any letter case: a point column first, then a northing and
// an easting column in either order (further columns may be anything); or the letters P, N and
// E run together, optionally followed by Z, D, F or C. None for any other line.
std::optional<ColumnOrder> HeaderColumnOrder(std::string_view line);

}  // namespace velkora
