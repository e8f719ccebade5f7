// The checks before a conversion run, which also turn the main window's boxes into the run's
// output settings and transformation factors.
#pragma once

#include <string>

#include "session/MainForm.h"
#include "session/SessionState.h"

namespace velkora {

// The text of a successful check.
inline constexpr const char* kRunChecksPassed = "OK";

// Title of the message box that shows a refused check.
inline constexpr const char* kRunRefusedTitle = "Insufficient Data";

// kRunChecksPassed, or the message to show with the focus moved to the control at fault.
// A box that cannot be read is refused before any run setting is stored.
std::string CheckRun(SessionState& session, MainForm& form);

}  // namespace velkora
