// Saving and clearing the report.
#include "app/ReportCommands.h"

#include <optional>
#include <string>

#include "engine/report/ReportSaving.h"

namespace velkora {

bool SaveReport(Session& session, Prompter& prompter) {
  const std::optional<std::string> path =
      prompter.AskSaveFileName("Select Report File", session.reportFileName);
  if (!path) {
    return false;
  }
  std::string error;
  if (!AppendReportToFile(session.reportText, *path, error)) {
    prompter.ShowMessage(FileErrorMessage(error, *path));
    return false;
  }
  session.reportFileName = *path;
  session.reportUnsaved = false;
  return true;
}

void ClearReport(Session& session, MainForm& form) {
  session.reportText.clear();
  session.reportUnsaved = false;
  form.mnuRptClr.enabled = false;
}

void ReportPrinted(Session& session) {
  session.reportUnsaved = false;
}

bool MayExit(const Session& session, Prompter& prompter) {
  if (!session.reportUnsaved || session.reportText.empty()) {
    return true;
  }
  const Message question{kUnsavedReportText, MessageIcon::kQuestion, MessageButtons::kYesNo,
                         kUnsavedReportTitle};
  return prompter.ShowMessage(question) == MessageAnswer::kYes;
}

}  // namespace velkora
