// Writer of "Tavrin 80-Column": one fixed-column line per point, numbers with 3 decimals.
#pragma once

#include "session/SessionState.h"

namespace velkora {

// A point read from an 80-column file keeps its input line with only the X and Y columns
// replaced; any other point gets a line built from its fields.
void WriteEightyColumn(SessionState& session);

}  // namespace velkora
