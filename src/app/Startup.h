// Start-up: the program paths, the header defaults and the input files named on the command
// line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/MainForm.h"
#include "app/Session.h"

namespace velkora {

// Splits a raw command-line text into file names: blanks separate names, a name in double
// quotes may hold blanks. A name whose opening quote is never closed takes the rest of the
// text.
std::vector<std::string> SplitCommandLine(std::string_view text);

// Sets helpPath beside the program and iniPath by HeaderDefaultsPath (beside a portable copy,
// in the user's configuration folder otherwise), and loads the header defaults.
void StartSession(Session& session, const std::string& programFolder);

// StartSession, the form's loaded state, then each file name added to the input list without
// messages (unrecognised or missing files are listed all the same) and the first selected.
void StartUp(Session& session, MainForm& form, const std::string& programFolder,
             const std::vector<std::string>& fileNames);

}  // namespace velkora
