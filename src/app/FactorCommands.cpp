// Calculate and the factor boxes' check boxes.
#include "app/FactorCommands.h"

#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

PlanePoint AsNumbers(const ControlPointText& point) {
  return {ReadNumber(point.x), ReadNumber(point.y)};
}

ControlPoints AsNumbers(const ControlPointTexts& points) {
  return {AsNumbers(points[0]), AsNumbers(points[1]), AsNumbers(points[2]), AsNumbers(points[3])};
}

}  // namespace

ControlPointTexts ControlPointsOf(const MainForm& form) {
  ControlPointTexts points;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const ControlPointBoxes& boxes = BoxesOf(static_cast<ControlRole>(i));
    points[i] = {(form.*boxes.number).text, (form.*boxes.x).text, (form.*boxes.y).text,
                 form.*boxes.description};
  }
  return points;
}

FactorTexts CalculateFactors(const ControlPointTexts& points) {
  return ComputeFactorTexts(AsNumbers(points));
}

std::optional<CalculateRefusal> RefuseCalculation(const ControlPointTexts& points) {
  const std::optional<ControlLine> line = ZeroLengthLine(AsNumbers(points));
  if (!line) {
    return std::nullopt;
  }
  if (*line == ControlLine::kSource) {
    return CalculateRefusal{
        "The source pivot and source reference points are at the same "
        "place: the source line has no direction.",
        "SRPN"};
  }
  return CalculateRefusal{
      "The destination pivot and destination reference points are at the "
      "same place: the destination line has no direction.",
      "DRPN"};
}

void ComputeFactors(MainForm& form, Prompter& prompter) {
  const ControlPointTexts points = ControlPointsOf(form);
  if (const std::optional<CalculateRefusal> refusal = RefuseCalculation(points)) {
    prompter.ShowMessage(Message{refusal->message, MessageIcon::kExclamation, MessageButtons::kOk,
                                 kCalculateRefusedTitle});
    form.focus = refusal->focus;
    return;
  }
  ShowFactorTexts(form, CalculateFactors(points));
}

void ShowFactorTexts(MainForm& form, const FactorTexts& texts) {
  form.txtDX.text = texts.dx;
  form.txtDY.text = texts.dy;
  form.txtDR.text = texts.angle;
  form.txtDS.text = texts.scale;
  RotationTextChanged(form);
  ScaleTextChanged(form);
}

void RotationTextChanged(MainForm& form) {
  form.ignoreDR.enabled = !Trim(form.txtDR.text).empty();
}

void ScaleTextChanged(MainForm& form) {
  form.ignoreDS.enabled = !Trim(form.txtDS.text).empty();
}

}  // namespace velkora
