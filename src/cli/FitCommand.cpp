// velkora-cli fit: the best shift, rotation and scale for many control pairs, printed as the
// four factor boxes "Use These Factors" fills, then the residual table of the report.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/ColumnOrderOptions.h"
#include "cli/ControlPairOptions.h"
#include "cli/FactorBoxes.h"
#include "cli/StderrPrompter.h"

namespace velkora::cli {

namespace {

CommandSpec FitSpec() {
  CommandSpec spec{
      .name = "fit",
      .usage = "",
      .summary =
          "Fits one shift, rotation and scale to two or more control pairs by least squares\n"
          "and prints the four boxes it fills, as factors does (dX=, dY=, angle=, scale=),\n"
          "then the residual table the run's report carries, its lines ending CR LF. The\n"
          "pivot is the first pair's source point.",
      .details =
          "Give the pairs by point number from a reference file, source:destination, or as\n"
          "a file of lines \"source X, source Y, destination X, destination Y\" (commas\n"
          "and/or blanks; blank lines and lines starting with # are skipped):\n"
          "  velkora-cli fit --reference control.txt --pairs 1:101,2:102,3:103,4:104\n"
          "  velkora-cli fit --pairs-file pairs.txt\n"
          "RMS is the root mean square of all the residual lengths. A pair is flagged with\n"
          "* when its residual is longer than three times the RMS of a fit without it; that\n"
          "needs four pairs or more.\n"
          "Exit status: 0 when the fit was printed, 1 when a file cannot be read, a number\n"
          "is not in the reference file or the pairs cannot be fitted, 2 on a usage error.\n",
      .options =
          {
              {"reference", true, "reference file of control points, e.g. --reference control.txt"},
          },
      .minPositionals = 0,
      .maxPositionals = 0,
  };
  for (const OptionSpec& option : ControlPairOptions()) {
    spec.options.push_back(option);
  }
  spec.options.push_back(InputOrderOption());
  return spec;
}

}  // namespace

int RunFitCommand(const CommandArguments& args) {
  CliArguments parsed;
  if (const std::optional<int> exitCode = ParseCommandLine(FitSpec(), args, parsed)) {
    return *exitCode;
  }
  const OrderOrExit order = ColumnOrderOption(parsed, "input-order");
  if (order.exitCode) {
    return *order.exitCode;
  }
  StderrPrompter prompter;
  const FitOrExit fitted =
      FitFromOptions(parsed, prompter, order.order.value_or(kDefaultColumnOrder));
  if (fitted.exitCode) {
    return *fitted.exitCode;
  }
  const ControlFit& fit = *fitted.fit;
  const std::string text = FactorBoxLines(fit.texts) + FormatResidualTable(fitted.pairs, fit);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

}  // namespace velkora::cli
