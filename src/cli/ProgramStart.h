// Starting a command's session as the program starts: the program paths, the window's
// initial state and the header defaults, found by the same rule as the desktop program's.
#pragma once

#include "session/MainForm.h"
#include "session/Prompter.h"
#include "session/SessionState.h"

namespace velkora::cli {

// StartUp with the folder of the running velkora-cli and no input files.
void StartAsProgram(SessionState& session, MainForm& form, Prompter& prompter);

}  // namespace velkora::cli
