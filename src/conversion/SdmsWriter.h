// Writer of "SDMS Points": one record of tagged lines per point.
#pragma once

#include "session/SessionState.h"

namespace velkora {

// A point read from an SDMS file keeps its whole record with only the coordinate lines
// replaced; any other point gets a record of its own fields.
void WriteSdms(SessionState& session);

}  // namespace velkora
