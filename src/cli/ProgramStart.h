// Starting a command's session as the program starts: paths beside the executable, the
// window's initial state and the header defaults.
#pragma once

#include "session/MainForm.h"
#include "session/Prompter.h"
#include "session/SessionState.h"

namespace velkora::cli {

// StartUp with the folder of the running velkora-cli and no input files.
void StartAsProgram(SessionState& session, MainForm& form, Prompter& prompter);

}  // namespace velkora::cli
