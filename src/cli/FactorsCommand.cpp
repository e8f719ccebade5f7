// velkora-cli factors: the four control points filled as in the main window, Calculate
// pressed, and the four factor boxes printed as they read.
#include <cstdio>
#include <string>

#include "app/FactorCommands.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/ColumnOrderOptions.h"
#include "cli/ControlPointOptions.h"
#include "cli/FactorBoxes.h"
#include "cli/StderrPrompter.h"

namespace velkora::cli {

namespace {

std::vector<OptionSpec> WithInputOrder(std::vector<OptionSpec> options) {
  options.push_back(InputOrderOption());
  return options;
}

CommandSpec FactorsSpec() {
  return CommandSpec{
      .name = "factors",
      .usage = "",
      .summary =
          "Computes the shift, rotation and scale from four control points, as the\n"
          "Calculate button does, and prints the four boxes it fills: dX=, dY=, angle= and\n"
          "scale=, each followed by the box's text (empty when its control points are\n"
          "missing).",
      .details =
          "Give the points as coordinates, or by number from a reference file:\n"
          "  velkora-cli factors --source-pivot 1000,1000 --source-ref 1000,2000 \\\n"
          "      --dest-pivot 5000,5000 --dest-ref 6000,5000\n"
          "  velkora-cli factors --reference control.txt --points 1,2,10,11\n"
          "A source or destination pivot at the same place as its reference point gives no\n"
          "direction: Calculate refuses such points.\n"
          "Exit status: 0 when the boxes were printed, 1 when the reference file cannot be\n"
          "loaded or Calculate refuses the points, 2 on a usage error.\n",
      .options = WithInputOrder(ControlPointOptions()),
      .minPositionals = 0,
      .maxPositionals = 0,
  };
}

}  // namespace

int RunFactorsCommand(const CommandArguments& args) {
  CliArguments parsed;
  if (const std::optional<int> exitCode = ParseCommandLine(FactorsSpec(), args, parsed)) {
    return *exitCode;
  }
  const OrderOrExit order = ColumnOrderOption(parsed, "input-order");
  if (order.exitCode) {
    return *order.exitCode;
  }
  StderrPrompter prompter;
  const ControlPointsOrExit points = ControlPointsFromOptions(
      parsed, prompter, ReadOptions{order.order.value_or(kDefaultColumnOrder)});
  if (points.exitCode) {
    return *points.exitCode;
  }
  if (const std::optional<CalculateRefusal> refusal = RefuseCalculation(points.points)) {
    prompter.ShowMessage(Message{refusal->message, MessageIcon::kExclamation, MessageButtons::kOk,
                                 kCalculateRefusedTitle});
    return 1;
  }
  const std::string boxes = FactorBoxLines(CalculateFactors(points.points));
  std::fwrite(boxes.data(), 1, boxes.size(), stdout);
  return 0;
}

}  // namespace velkora::cli
