// The Compute command: checks, the overwrite question, the conversion of every input file
// into one output file, the run's summary in the report and the report window.
#include "conversion/ConversionRun.h"

#include <filesystem>
#include <system_error>

#include "conversion/OutputFile.h"
#include "conversion/PointConversion.h"
#include "conversion/RunChecks.h"
#include "input/PointReading.h"
#include "report/ConversionSummary.h"
#include "report/ReportText.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;

// Compared as files, not as texts, so that another spelling of the same path is caught:
// the run would otherwise empty the input before reading it.
bool IsInputFile(const std::string& outputPath, const MainForm& form) {
  for (const std::string& input : form.loadedFiles.items) {
    std::error_code error;
    if (fs::equivalent(outputPath, input, error)) {
      return true;
    }
  }
  return false;
}

// A folder of that name is not a file to overwrite; creating the output reports it.
bool OutputFileExists(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  return fs::exists(status) && !fs::is_directory(status);
}

bool AskToOverwrite(const SessionState& session, Prompter& prompter) {
  const Message question{session.outFileName + " exists.\r\nDo you want to overwrite it?",
                         MessageIcon::kQuestion, MessageButtons::kYesNo, kOutputExistsTitle};
  return prompter.ShowMessage(question) == MessageAnswer::kYes;
}

std::string OutOfRangeText(const SessionState& session) {
  return "Point " + session.point.pointNum + " Converts To Coordinates Out Of Range In:";
}

// Converts every readable entry of the list into the open output; on failure shows the
// message and says why the run stopped.
RunResult ConvertInputFiles(SessionState& session, const MainForm& form, Prompter& prompter,
                            RunView& view) {
  for (const std::string& input : form.loadedFiles.items) {
    session.curFileName = input;
    if (!OpenInputFile(session, prompter)) {
      continue;
    }
    session.filePointCount = 0;
    const ConversionOutcome outcome = ConvertPoints(session, view);
    CloseInputFile(session);
    switch (outcome) {
      case ConversionOutcome::kConverted:
        AppendFileLine(session, session.curFileName, session.filePointCount);
        break;
      case ConversionOutcome::kCancelled:
        return RunResult::kCancelled;
      case ConversionOutcome::kOutOfRange:
        prompter.ShowMessage(FileErrorMessage(OutOfRangeText(session), session.curFileName));
        return RunResult::kFailed;
      case ConversionOutcome::kReadFailed:
        prompter.ShowMessage(FileErrorMessage(kCannotReadInputText, session.curFileName));
        return RunResult::kFailed;
      case ConversionOutcome::kWriteFailed:
        prompter.ShowMessage(FileErrorMessage(kCannotWriteOutputText, session.outFileName));
        return RunResult::kFailed;
    }
  }
  return RunResult::kCompleted;
}

// Writes the output under its temporary name and puts it in place; the report gains the
// run's summary as it goes.
RunResult WriteOutput(SessionState& session, MainForm& form, Prompter& prompter, RunView& view) {
  OutputFile output(session.outFileName);
  if (!output.Open()) {
    prompter.ShowMessage(FileErrorMessage(kCannotCreateOutputText, session.outFileName));
    return RunResult::kFailed;
  }
  session.outFile = &output.Stream();
  AppendRunSummary(session, form);
  const RunResult result = ConvertInputFiles(session, form, prompter, view);
  session.outFile = nullptr;
  if (result != RunResult::kCompleted) {
    return result;
  }
  if (!output.Commit()) {
    prompter.ShowMessage(FileErrorMessage(kCannotWriteOutputText, session.outFileName));
    return RunResult::kFailed;
  }
  return RunResult::kCompleted;
}

}  // namespace

RunResult RunConversion(SessionState& session, MainForm& form, Prompter& prompter, RunView& view) {
  const std::string check = CheckRun(session, form);
  if (check != kRunChecksPassed) {
    prompter.ShowMessage(
        Message{check, MessageIcon::kExclamation, MessageButtons::kOk, kRunRefusedTitle});
    return RunResult::kRefused;
  }
  if (IsInputFile(session.outFileName, form)) {
    form.focus = "oFileName";
    prompter.ShowMessage(FileErrorMessage(kOutputIsInputText, session.outFileName));
    return RunResult::kRefused;
  }
  session.runPointCount = 0;
  if (OutputFileExists(session.outFileName) && !AskToOverwrite(session, prompter)) {
    return RunResult::kDeclined;
  }

  const std::size_t reportLength = session.reportText.size();
  const bool reportClearable = form.mnuRptClr.enabled;
  form.mnuRptClr.enabled = true;
  const RunResult result = WriteOutput(session, form, prompter, view);
  if (result != RunResult::kCompleted) {
    session.reportText.resize(reportLength);
    form.mnuRptClr.enabled = reportClearable;
    return result;
  }

  session.reportText += "\r\nOutput File\r\n-----------\r\n";
  AppendFileLine(session, session.outFileName, session.runPointCount);
  view.ShowReport(ReportWindowText(session.reportText),
                  ReportWindowCaption(CountReportRuns(session.reportText)));
  return RunResult::kCompleted;
}

}  // namespace velkora
