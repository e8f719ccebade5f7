// Reader of SDMS point files (code 5): records of coded lines, each opened by an "AC" line.
#pragma once

#include "session/SessionState.h"

namespace velkora {

// With the file just opened: reads up to the first line beginning "AC:" into sdmsAcLine.
// False when there is none, or when it is the last line of the file.
bool FindFirstSdmsRecord(SessionState& session);

// ReadPoint for code 5.
bool ReadSdmsPoint(SessionState& session);

}  // namespace velkora
