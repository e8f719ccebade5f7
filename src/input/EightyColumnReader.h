// Reader of the fixed-column 80-column layout (codes 6 and 7): one point per line.
#pragma once

#include <string_view>

#include "session/SessionState.h"

namespace velkora {

// Fills every field of `point` but newX/newY from one 80-column line; `format` (6 or 7)
// chooses the feature columns.
void TakeEightyColumnFields(std::string_view line, FileFormat format, PointRecord& point);

// ReadPoint for codes 6 and 7: copies "$" lines to an 80-column output.
bool ReadEightyColumnPoint(SessionState& session);

}  // namespace velkora
