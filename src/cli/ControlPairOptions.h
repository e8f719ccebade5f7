// The control-pair options of fit and convert: point numbers of a reference file paired with
// --pairs, or a file of coordinate pairs, fitted and put into the factor boxes.
#pragma once

#include <optional>
#include <vector>

#include "cli/CliArguments.h"
#include "session/MainForm.h"
#include "session/Prompter.h"
#include "session/SessionState.h"

namespace velkora::cli {

// --pairs and --pairs-file; --reference comes with the command's own options.
std::vector<OptionSpec> ControlPairOptions();

bool HasControlPairOptions(const CliArguments& parsed);

// Reads the pairs the options name, fits them and fills the boxes as "Use These Factors" does,
// keeping the residual table in session.fittedFactors. The exit code to end with on a usage
// error (2) or when the pairs cannot be read or fitted (1, with one line on stderr).
std::optional<int> FitControlPairOptions(const CliArguments& parsed, SessionState& session,
                                         MainForm& form, Prompter& prompter);

}  // namespace velkora::cli
