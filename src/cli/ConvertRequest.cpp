// The run request of velkora-cli convert, built from its options.
#include "cli/ConvertRequest.h"

#include <string>

#include "app/FactorCommands.h"
#include "app/FitCommands.h"
#include "app/ReverseFactors.h"
#include "app/RunChecks.h"
#include "cli/ColumnOrderOptions.h"
#include "cli/ControlPairOptions.h"
#include "cli/ControlPointOptions.h"
#include "cli/ProjectionOptions.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora::cli {

namespace {

// The control points and factors from control points or from the factors fitted to control
// pairs, which stand instead of them.
std::optional<int> FillFactorSources(const CliArguments& parsed, Session& session,
                                     RunRequest& request, Prompter& prompter) {
  if (!HasControlPairOptions(parsed)) {
    const ControlPointsOrExit points =
        ControlPointsFromOptions(parsed, prompter, ReadOptions{request.inputOrder});
    request.controlPoints = points.points;
    return points.exitCode;
  }
  for (const char* option :
       {"points", "source-pivot", "source-ref", "dest-pivot", "dest-ref", "calculate"}) {
    if (parsed.Value(option) || parsed.HasFlag(option)) {
      return ReportUsageError("--pairs and --pairs-file cannot be combined with --" +
                              std::string(option));
    }
  }
  const FitOrExit fitted = FitFromOptions(parsed, prompter, request.inputOrder);
  if (fitted.exitCode) {
    return fitted.exitCode;
  }
  request.controlPoints[0] = FittedPivotOf(fitted.pairs, *fitted.fit);
  session.fittedFactors = FittedFactorsOf(fitted.pairs, *fitted.fit);
  request.factors = session.fittedFactors.texts;
  return std::nullopt;
}

// The factors typed override what control points or pairs gave.
void TypeFactors(const CliArguments& parsed, RunRequest& request) {
  FactorTexts& factors = request.factors;
  for (auto [option, text] :
       {std::pair{"dx", &factors.dx}, std::pair{"dy", &factors.dy}, std::pair{"dz", &request.dz},
        std::pair{"angle", &factors.angle}, std::pair{"scale", &factors.scale}}) {
    if (const std::optional<std::string> typed = parsed.Value(option)) {
      *text = *typed;
    }
  }
}

// The scale from the projection, as "Use This Scale" puts it into the scale box; an empty
// source pivot becomes the grid point.
std::optional<int> UseProjectionOptions(const CliArguments& parsed, Session& session,
                                        RunRequest& request, Prompter& prompter) {
  if (!HasProjectionOptions(parsed)) {
    return std::nullopt;
  }
  if (parsed.Value("scale")) {
    return ReportUsageError("--crs sets the scale; it cannot be combined with --scale");
  }
  ControlPointText& pivot = request.controlPoints[0];
  const ProjectionScaleOrExit computed = ProjectionScaleFromOptions(parsed, &pivot, true, prompter);
  if (computed.exitCode) {
    return computed.exitCode;
  }
  if (Trim(pivot.x).empty() && Trim(pivot.y).empty()) {
    pivot.x = GeneralForm(computed.use->request.x);
    pivot.y = GeneralForm(computed.use->request.y);
  }
  request.factors.scale = computed.use->scaleText;
  session.projectionScale = *computed.use;
  return std::nullopt;
}

// "No Rotation" and "No Scaling" can be ticked only while their box holds text.
void TickIgnoreBoxes(const CliArguments& parsed, RunRequest& request) {
  request.ignoreRotation = parsed.HasFlag("no-rotation") && !Trim(request.factors.angle).empty();
  request.ignoreScaling = parsed.HasFlag("no-scaling") && !Trim(request.factors.scale).empty();
}

// --reverse: the boxes as "Reverse Factors" leaves them; refused as a run would be.
bool ReverseOnRequest(const CliArguments& parsed, Session& session, RunRequest& request,
                      Prompter& prompter) {
  if (!parsed.HasFlag("reverse")) {
    return true;
  }
  const RunRequest before = request;
  if (const std::optional<RunRefusal> refusal = ReverseFactorBoxes(request)) {
    prompter.ShowMessage(Message{refusal->message, MessageIcon::kExclamation, MessageButtons::kOk,
                                 kRunRefusedTitle});
    return false;
  }
  ReverseProjectionScale(session.projectionScale, before, request);
  return true;
}

}  // namespace

std::optional<int> RefuseMovesWithLayoutOnly(const CliArguments& parsed) {
  if (!parsed.HasFlag("layout-only")) {
    return std::nullopt;
  }
  for (const char* option :
       {"dx", "dy", "dz", "angle", "scale", "pairs", "pairs-file", "crs", "calculate", "reverse"}) {
    if (parsed.Value(option) || parsed.HasFlag(option)) {
      return ReportUsageError("--layout-only moves no point: it cannot be combined with --" +
                              std::string(option));
    }
  }
  return std::nullopt;
}

std::optional<int> TakeColumnOrders(const CliArguments& parsed, RunRequest& request) {
  const OrderOrExit input = ColumnOrderOption(parsed, "input-order");
  const OrderOrExit output = input.exitCode ? input : ColumnOrderOption(parsed, "output-order");
  if (output.exitCode) {
    return output.exitCode;
  }
  request.inputOrder = input.order.value_or(kDefaultColumnOrder);
  request.outputOrder = output.order;
  return std::nullopt;
}

std::optional<int> BuildConvertRequest(const CliArguments& parsed, Session& session,
                                       RunRequest& request, Prompter& prompter) {
  if (const std::optional<int> exitCode = FillFactorSources(parsed, session, request, prompter)) {
    return exitCode;
  }
  if (parsed.HasFlag("calculate")) {
    if (const std::optional<CalculateRefusal> refusal = RefuseCalculation(request.controlPoints)) {
      prompter.ShowMessage(Message{refusal->message, MessageIcon::kExclamation, MessageButtons::kOk,
                                   kCalculateRefusedTitle});
      return 1;
    }
    request.factors = CalculateFactors(request.controlPoints);
  }
  TypeFactors(parsed, request);
  if (const std::optional<int> exitCode =
          UseProjectionOptions(parsed, session, request, prompter)) {
    return exitCode;
  }
  TickIgnoreBoxes(parsed, request);
  if (!ReverseOnRequest(parsed, session, request, prompter)) {
    return 1;
  }
  return std::nullopt;
}

}  // namespace velkora::cli
