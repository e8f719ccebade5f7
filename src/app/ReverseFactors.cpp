// The factors that undo a run, worked out on the boxes' texts.
#include "app/ReverseFactors.h"

#include <utility>

#include "app/ConversionRun.h"
#include "app/FactorCommands.h"
#include "engine/text/AngleText.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

// The general form of -value, or the text unchanged when it reads 0 (an empty box stays empty).
void Negate(std::string& text) {
  const double value = ReadNumber(text);
  if (value != 0) {
    text = GeneralForm(-value);
  }
}

// The sign of a typed angle turned over, which negates it exactly and keeps its form.
void NegateAngle(std::string& text) {
  if (ParseAngle(text).value_or(0) == 0) {
    return;
  }
  std::string angle(Trim(text));
  if (angle.front() == '+' || angle.front() == '-') {
    angle.front() = angle.front() == '+' ? '-' : '+';
  } else {
    angle.insert(0, 1, '-');
  }
  text = angle;
}

void Invert(std::string& text) {
  const double value = ReadNumber(text);
  if (value != 0) {
    text = GeneralForm(1 / value);
  }
}

void WriteControlPoints(MainForm& form, const ControlPointTexts& points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const ControlPointBoxes& boxes = BoxesOf(static_cast<ControlRole>(i));
    (form.*boxes.number).text = points[i].number;
    (form.*boxes.x).text = points[i].x;
    (form.*boxes.y).text = points[i].y;
    form.*boxes.description = points[i].description;
  }
}

}  // namespace

std::optional<RunRefusal> ReverseFactorBoxes(RunRequest& request) {
  if (std::optional<RunRefusal> refusal = RefuseUnreadableBox(request)) {
    return refusal;
  }
  ControlPointTexts& points = request.controlPoints;
  FactorTexts& factors = request.factors;
  const double pivotX = ReadNumber(points[0].x);
  const double pivotY = ReadNumber(points[0].y);
  const bool hasPivot = pivotX != 0 || pivotY != 0;
  std::swap(points[0], points[2]);
  std::swap(points[1], points[3]);
  if (hasPivot) {
    points[0].x = GeneralForm(pivotX + ReadNumber(factors.dx));
    points[0].y = GeneralForm(pivotY + ReadNumber(factors.dy));
  }
  Negate(factors.dx);
  Negate(factors.dy);
  NegateAngle(factors.angle);
  Invert(factors.scale);
  Negate(request.dz);
  return std::nullopt;
}

void ReverseProjectionScale(ProjectionScaleUse& used, const RunRequest& before,
                            const RunRequest& after) {
  if (used.scaleText.empty() || before.factors.scale != used.scaleText) {
    return;
  }
  used.scaleText = after.factors.scale;
  used.direction = Reversed(used.direction);
}

void ReverseFactors(Session& session, MainForm& form, Prompter& prompter) {
  const RunRequest before = RequestFromForm(form);
  RunRequest after = before;
  if (const std::optional<RunRefusal> refusal = ReverseFactorBoxes(after)) {
    prompter.ShowMessage(Message{refusal->message, MessageIcon::kExclamation, MessageButtons::kOk,
                                 kRunRefusedTitle});
    form.focus = refusal->focus;
    return;
  }
  WriteControlPoints(form, after.controlPoints);
  ShowFactorTexts(form, after.factors);
  form.txtDZ.text = after.dz;
  ReverseProjectionScale(session.projectionScale, before, after);
}

}  // namespace velkora
