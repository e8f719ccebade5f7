// Start-up: the program paths, the fixed settings, the header defaults and the input files
// named on the command line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "session/MainForm.h"
#include "session/Prompter.h"
#include "session/SessionState.h"

namespace velkora {

// Splits a raw command-line text into file names: blanks separate names, a name in double
// quotes may hold blanks. A name whose opening quote is never closed takes the rest of the
// text.
std::vector<std::string> SplitCommandLine(std::string_view text);

// Sets helpPath beside the program and iniPath by HeaderDefaultsPath (beside a portable copy,
// in the user's configuration folder otherwise), the decimals, the form's loaded state and
// inDelim, loads the header defaults, then adds each file name to the input list without
// messages (unrecognised or missing files are listed all the same) and selects the first.
void StartUp(SessionState& session, MainForm& form, Prompter& prompter,
             const std::string& programFolder, const std::vector<std::string>& fileNames);

}  // namespace velkora
