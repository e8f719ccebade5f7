// The control-pair options of fit and convert: point numbers of a reference file paired with
// --pairs, or a file of coordinate pairs, and their fit.
#pragma once

#include <optional>
#include <vector>

#include "app/Prompter.h"
#include "cli/CliArguments.h"
#include "engine/points/ColumnOrder.h"
#include "engine/transform/ControlFit.h"

namespace velkora::cli {

// --pairs and --pairs-file; --reference comes with the command's own options.
std::vector<OptionSpec> ControlPairOptions();

bool HasControlPairOptions(const CliArguments& parsed);

// The pairs the options name and their fit; the reference file's delimited columns and the pairs
// file's coordinates are read in `order`. The exit code to end with on a usage error (2) or
// when the pairs cannot be read or fitted (1, with one line on stderr).
struct FitOrExit {
  std::vector<ControlPair> pairs;
  std::optional<ControlFit> fit;
  std::optional<int> exitCode;
};
FitOrExit FitFromOptions(const CliArguments& parsed, Prompter& prompter, ColumnOrder order);

}  // namespace velkora::cli
