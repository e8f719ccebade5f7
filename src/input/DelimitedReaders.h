// Readers of the comma-delimited (code 0) and Geopak-delimited (code 1) layouts: one point
// per line, fields separated by commas.
#pragma once

#include <string_view>

#include "session/SessionState.h"

namespace velkora {

// Fills every field of `point` but newX/newY from one comma-delimited line: number, X, Y,
// elevation, description, feature, then the rest of the line as rawText.
void TakeCommaDelimitedFields(std::string_view line, PointRecord& point);

// Fills every field of `point` but newX/newY from one Geopak-delimited line whose description
// follows `delimiter` (";" or "/"). A line with fewer than two commas gives Y 0.
void TakeGeopakDelimitedFields(std::string_view line, char delimiter, PointRecord& point);

// ReadPoint for code 0: copies "$" lines to a comma-delimited output.
bool ReadCommaDelimitedPoint(SessionState& session);

// ReadPoint for code 1: "$" lines and empty lines are skipped.
bool ReadGeopakDelimitedPoint(SessionState& session);

}  // namespace velkora
