// The folder of the running velkora-cli: the header defaults are found from it by the same
// rule as the desktop program's.
#pragma once

#include <string>

namespace velkora::cli {

// Where the system cannot name the executable, the current folder stands in for it.
std::string ProgramFolder();

}  // namespace velkora::cli
