// The reference file's events: loading the list, and filling a control point from it.
#include "app/ReferenceFile.h"

#include "app/ColumnOrderChoice.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

void FillControlPoint(MainForm& form, ControlRole role, const ControlPointText& point) {
  const ControlPointBoxes& boxes = BoxesOf(role);
  (form.*boxes.number).text = point.number;
  (form.*boxes.x).text = point.x;
  (form.*boxes.y).text = point.y;
  form.*boxes.description = point.description;
}

}  // namespace

std::optional<ControlPointText> LookUpControlPoint(const ReferenceList& list,
                                                   std::string_view number) {
  const std::optional<ListedPoint> found = FindReferencePoint(list, number);
  if (!found) {
    return std::nullopt;
  }
  return ControlPointText{found->number, GeneralForm(found->x), GeneralForm(found->y),
                          found->description};
}

ReferenceLoad ReadReferenceFile(const std::string& path, Prompter& prompter,
                                const ReadOptions& options) {
  ReferenceLoad load = LoadReferenceList(path, options);
  if (!load.refusal.empty()) {
    prompter.ShowMessage(FileErrorMessage(load.refusal, path));
  }
  if (load.readFailed) {
    prompter.ShowMessage(FileErrorMessage(kCannotReadReferenceText, path));
  }
  return load;
}

bool LoadReferenceFile(Session& session, MainForm& form, Prompter& prompter) {
  const std::string path = form.rFileName.text;
  session.lastFileName = path;
  ReferenceLoad load = ReadReferenceFile(path, prompter, ReadOptions{InputOrderOf(form)});
  if (!load.list) {
    form.rFileName.text.clear();
    return false;
  }
  session.reference = std::move(*load.list);
  return true;
}

void RefillControlPoints(const Session& session, MainForm& form) {
  for (std::size_t i = 0; i < 4; ++i) {
    const auto role = static_cast<ControlRole>(i);
    const std::optional<ControlPointText> found =
        LookUpControlPoint(session.reference, (form.*BoxesOf(role).number).text);
    if (found) {
      FillControlPoint(form, role, *found);
    }
  }
}

void PointNumberLostFocus(Session& session, MainForm& form, ControlRole role) {
  if (Trim(form.rFileName.text).empty()) {
    return;  // without a reference file the boxes are typed freely
  }
  const ControlPointBoxes& boxes = BoxesOf(role);
  const std::optional<ControlPointText> found =
      LookUpControlPoint(session.reference, (form.*boxes.number).text);
  if (!found) {
    // An empty box lets the focus go: holding it there would trap a user who only tabs
    // through the form. A number that is not in the file takes the focus back.
    const bool typed = !Trim((form.*boxes.number).text).empty();
    FillControlPoint(form, role, {});
    if (typed) {
      form.focus = boxes.numberName;
    }
    return;
  }
  FillControlPoint(form, role, *found);
}

void ReferenceFileLostFocus(Session& session, MainForm& form, Prompter& prompter) {
  if (form.rFileName.text != session.lastFileName ||
      form.rFileName.text != session.reference.fileName) {
    LoadReferenceFile(session, form, prompter);
  }
}

void SelectReferenceFile(Session& session, MainForm& form, Prompter& prompter) {
  const std::optional<std::string> chosen =
      prompter.AskOpenFileName(kReferenceDialogTitle, form.rFileName.text);
  if (!chosen) {
    return;
  }
  form.rFileName.text = *chosen;
  LoadReferenceFile(session, form, prompter);
}

void DropReferenceFile(Session& session, MainForm& form, Prompter& prompter,
                       const std::vector<std::string>& paths) {
  if (paths.empty()) {
    return;
  }
  form.rFileName.text = paths.front();
  LoadReferenceFile(session, form, prompter);
}

}  // namespace velkora
