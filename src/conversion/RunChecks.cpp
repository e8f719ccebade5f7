// The checks before a conversion run, which also turn the main window's boxes into the run's
// output settings and transformation factors.
#include "conversion/RunChecks.h"

#include <array>
#include <optional>
#include <string_view>

#include "session/TextColumns.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

constexpr std::int64_t kSlashDelimitedEntry = 2;

struct NumberBox {
  Control MainForm::*box;
  std::string_view name;
  std::string_view refusal;
};

constexpr std::array<NumberBox, 4> kTranslationAndPivotBoxes = {{
    {&MainForm::txtDX, "txtDX", "Translation X is not valid."},
    {&MainForm::txtDY, "txtDY", "Translation Y is not valid."},
    {&MainForm::SPPX, "SPPX", "Pivot point X is not valid."},
    {&MainForm::SPPY, "SPPY", "Pivot point Y is not valid."},
}};
constexpr NumberBox kScaleBox = {&MainForm::txtDS, "txtDS", "Scale factor is not valid."};

std::string Refuse(MainForm& form, std::string_view focus, std::string_view message) {
  form.focus = focus;
  return std::string(message);
}

// A number box holding a comma that is not a grouped number, or an angle that cannot be
// split into degrees, minutes and seconds, must not start a run.
std::optional<std::string> RefuseUnreadableBox(SessionState& session, MainForm& form) {
  const auto unreadable = [&form](const NumberBox& number) {
    return !TryReadNumber((form.*number.box).text);
  };
  for (const NumberBox& number : kTranslationAndPivotBoxes) {
    if (unreadable(number)) {
      return Refuse(form, number.name, number.refusal);
    }
  }
  if (!ParseAngle(session, form.txtDR.text)) {
    return Refuse(form, "txtDR", "Rotation angle is not valid.");
  }
  if (unreadable(kScaleBox)) {
    return Refuse(form, kScaleBox.name, kScaleBox.refusal);
  }
  return std::nullopt;
}

void SetOutputSettings(SessionState& session, const MainForm& form) {
  session.outFormatCode = static_cast<FileFormat>(form.outFormat.selected);
  if (form.outFormat.selected == format::kGeopakDelimited) {
    session.outDelim = ';';
  } else if (form.outFormat.selected == kSlashDelimitedEntry) {
    session.outDelim = '/';
    session.outFormatCode = format::kGeopakDelimited;
  }
}

void SetFactors(SessionState& session, const MainForm& form) {
  session.deltaX = ReadNumber(form.txtDX.text);
  session.deltaY = ReadNumber(form.txtDY.text);
  session.doTranslate = session.deltaX != 0 || session.deltaY != 0;

  session.sourcePivotX = ReadNumber(form.SPPX.text);
  session.sourcePivotY = ReadNumber(form.SPPY.text);
  session.hasPivot = session.sourcePivotX != 0 || session.sourcePivotY != 0;
  if (session.hasPivot) {
    session.destPivotX = session.sourcePivotX + session.deltaX;
    session.destPivotY = session.sourcePivotY + session.deltaY;
  }

  session.rotationAngle = ParseAngle(session, form.txtDR.text).value_or(0);
  session.doRotate = session.rotationAngle != 0 && form.ignoreDR.checked == 0;
  if (!session.doRotate) {
    session.rotationAngle = 0;
  }

  session.scaleFactor = ReadNumber(form.txtDS.text);
  session.doScale = session.scaleFactor != 0 && form.ignoreDS.checked == 0;
  if (!session.doScale) {
    session.scaleFactor = 1;
  }
}

}  // namespace

std::string CheckRun(SessionState& session, MainForm& form) {
  if (form.loadedFiles.items.empty()) {
    return Refuse(form, "loadedFiles", "No input files loaded.");
  }
  if (Trim(form.oFileName.text).empty()) {
    return Refuse(form, "oFileName", "Output file is not specified.");
  }
  session.outFileName = form.oFileName.text;
  if (form.outFormat.selected < 0 ||
      form.outFormat.selected >= static_cast<std::int64_t>(form.outFormat.items.size())) {
    return Refuse(form, "outFormat", "Output file format is not specified.");
  }
  SetOutputSettings(session, form);
  // The factors are stored all at once, and only when every box can be read.
  if (std::optional<std::string> refusal = RefuseUnreadableBox(session, form)) {
    return *refusal;
  }
  SetFactors(session, form);
  if (!session.doRotate && !session.doScale) {
    if (session.doTranslate) {
      return kRunChecksPassed;
    }
    return Refuse(form, "txtDX", "No computation has been specified.");
  }
  if (session.hasPivot) {
    return kRunChecksPassed;
  }
  return Refuse(form, "SPPX", "Pivot point coordinates must be entered.");
}

}  // namespace velkora
