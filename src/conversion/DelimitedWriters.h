// Writers of the comma-separated layouts: "Comma-Delimited" and "Geopak Delimited ;" or "/".
#pragma once

#include "session/SessionState.h"

namespace velkora {

// Name, X, Y, elevation, description, feature code, then the extra fields of a
// comma-delimited input; empty fields at the end of the line are dropped.
void WriteCommaDelimited(SessionState& session);

// Name, X, Y, elevation, then the feature code after a comma and the description after
// session.outDelim.
void WriteGeopakDelimited(SessionState& session);

}  // namespace velkora
