// The checks before a conversion run, which also turn the boxes' texts into the run's output
// settings and transformation factors.
#include "app/RunChecks.h"

#include <array>
#include <optional>
#include <string_view>

#include "engine/text/AngleText.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {
namespace {

struct NumberBox {
  std::string_view text;
  const char* focus;
  const char* refusal;
};

}  // namespace

std::optional<RunRefusal> RefuseUnreadableBox(const RunRequest& request) {
  const ControlPointText& pivot = request.controlPoints[0];
  const std::array<NumberBox, 5> shiftAndPivot = {{
      {request.factors.dx, "txtDX", "Translation X is not valid."},
      {request.factors.dy, "txtDY", "Translation Y is not valid."},
      {request.dz, "txtDZ", "Translation Z is not valid."},
      {pivot.x, "SPPX", "Pivot point X is not valid."},
      {pivot.y, "SPPY", "Pivot point Y is not valid."},
  }};
  for (const NumberBox& box : shiftAndPivot) {
    if (!TryReadNumber(box.text)) {
      return RunRefusal{box.refusal, box.focus};
    }
  }
  if (!ParseAngle(request.factors.angle)) {
    return RunRefusal{"Rotation angle is not valid.", "txtDR"};
  }
  const std::optional<double> scale = TryReadNumber(request.factors.scale);
  if (!scale) {
    return RunRefusal{"Scale factor is not valid.", "txtDS"};
  }
  // A mirror image is no survey transformation: a minus typed by mistake must not turn every
  // point through the pivot.
  if (*scale < 0) {
    return RunRefusal{"Scale factor cannot be below zero.", "txtDS"};
  }
  return std::nullopt;
}

namespace {

TransformFactors FactorsOf(const RunRequest& request) {
  TransformFactors factors;
  factors.deltaX = ReadNumber(request.factors.dx);
  factors.deltaY = ReadNumber(request.factors.dy);
  factors.doTranslate = factors.deltaX != 0 || factors.deltaY != 0;
  factors.deltaZ = ReadNumber(request.dz);

  factors.sourcePivotX = ReadNumber(request.controlPoints[0].x);
  factors.sourcePivotY = ReadNumber(request.controlPoints[0].y);
  factors.hasPivot = factors.sourcePivotX != 0 || factors.sourcePivotY != 0;
  if (factors.hasPivot) {
    factors.destPivotX = factors.sourcePivotX + factors.deltaX;
    factors.destPivotY = factors.sourcePivotY + factors.deltaY;
  }

  factors.rotationAngle = ParseAngle(request.factors.angle).value_or(0);
  factors.doRotate = factors.rotationAngle != 0 && !request.ignoreRotation;
  if (!factors.doRotate) {
    factors.rotationAngle = 0;
  }

  factors.scaleFactor = ReadNumber(request.factors.scale);
  factors.doScale = factors.scaleFactor != 0 && !request.ignoreScaling;
  if (!factors.doScale) {
    factors.scaleFactor = 1;
  }
  return factors;
}

OutputSettings OutputOf(const RunRequest& request, const TransformFactors& factors) {
  const OutputChoice choice = OutputChoiceOf(*request.outputEntry);
  OutputSettings output;
  output.layout = choice.layout;
  output.delimiter = choice.delimiter;
  output.suppressZeroElevations = request.suppressZeroElevations;
  output.order = request.outputOrder.value_or(request.inputOrder);
  output.deltaZ = factors.deltaZ;
  return output;
}

}  // namespace

std::variant<RunPlan, RunRefusal> CheckRun(const RunRequest& request) {
  if (request.inputs.empty()) {
    return RunRefusal{"No input files loaded.", "loadedFiles"};
  }
  if (Trim(request.outputPath).empty()) {
    return RunRefusal{"Output file is not specified.", "oFileName"};
  }
  if (!request.outputEntry || *request.outputEntry >= kOutputFormatNames.size()) {
    return RunRefusal{"Output file format is not specified.", "outFormat"};
  }
  if (std::optional<RunRefusal> refusal = RefuseUnreadableBox(request)) {
    return *refusal;
  }
  const TransformFactors factors = FactorsOf(request);
  RunPlan plan{.inputs = request.inputs,
               .outputPath = request.outputPath,
               .output = OutputOf(request, factors),
               .factors = factors,
               .oneThread = request.oneThread,
               .read = ReadOptions{request.inputOrder}};
  if (!factors.doRotate && !factors.doScale) {
    if (factors.doTranslate || factors.deltaZ != 0 || request.layoutOnly) {
      return plan;
    }
    return RunRefusal{kNoComputationText, "txtDX", true};
  }
  if (factors.hasPivot) {
    return plan;
  }
  return RunRefusal{"Pivot point coordinates must be entered.", "SPPX"};
}

std::string ProjectionBlockFor(const ProjectionScaleUse& used, const RunRequest& request) {
  if (used.scaleText.empty() || request.factors.scale != used.scaleText || request.ignoreScaling) {
    return {};
  }
  return ProjectionReportBlock(used.request, used.scale, used.direction);
}

std::string FitTableFor(const FittedFactors& fitted, const RunRequest& request) {
  const ControlPointText& pivot = request.controlPoints[0];
  const bool unchanged = !fitted.residualTable.empty() && pivot.x == fitted.sourcePivotX &&
                         pivot.y == fitted.sourcePivotY && request.factors == fitted.texts &&
                         !request.ignoreRotation && !request.ignoreScaling;
  return unchanged ? fitted.residualTable : std::string();
}

}  // namespace velkora
