// The Compute command: checks, the overwrite question, the conversion of every input file
// into one output file, the run's summary in the report and the report window.
#include "app/ConversionRun.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <variant>

#include "app/ColumnOrderChoice.h"
#include "app/FactorCommands.h"
#include "app/RunChecks.h"
#include "engine/input/PointReader.h"
#include "engine/output/ChunkedConversion.h"
#include "engine/output/OutputFile.h"
#include "engine/report/ReportText.h"
#include "engine/report/SummaryText.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;

// Compared as files, not as texts, so that another spelling of the same path is caught:
// the run would otherwise empty the input before reading it.
bool IsInputFile(const std::string& outputPath, const std::vector<std::string>& inputs) {
  for (const std::string& input : inputs) {
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

bool AskToOverwrite(const std::string& path, Prompter& prompter) {
  const Message question{path + " exists.\r\nDo you want to overwrite it?", MessageIcon::kQuestion,
                         MessageButtons::kYesNo, kOutputExistsTitle};
  return prompter.ShowMessage(question) == MessageAnswer::kYes;
}

// The message that ends a file's conversion, for every outcome but kConverted.
Message FailureMessage(const FileConversion& file, const std::string& input,
                       const std::string& output) {
  switch (file.outcome) {
    case ConversionOutcome::kOutOfRange:
      return FileErrorMessage(
          "Point " + file.outOfRangePoint + " Converts To Coordinates Out Of Range In:", input);
    case ConversionOutcome::kTooWide:
      return FileErrorMessage(
          "Point " + file.outOfRangePoint + " Does Not Fit " + file.tooWideField + " In:", input);
    case ConversionOutcome::kReadFailed:
      return FileErrorMessage(kCannotReadInputText, input);
    default:
      return FileErrorMessage(kCannotWriteOutputText, output);
  }
}

// Converts every readable input file into the sink and counts its points in the summary; on
// failure shows the message and says why the run stopped.
RunResult ConvertInputFiles(Session& session, const RunPlan& plan, StreamSink& sink,
                            ChunkedConversion& chunks, RunSummary& summary, Prompter& prompter,
                            const ProgressReport& progress) {
  for (const std::string& input : plan.inputs) {
    session.lastFileName = input;
    OpenedReader opened = OpenPointReader(input, plan.read);
    if (!opened.refusal.empty()) {
      prompter.ShowMessage(FileErrorMessage(opened.refusal, input));
    }
    if (!opened.reader) {
      continue;
    }
    const FileConversion file =
        chunks.ConvertFile(*opened.reader, plan.factors, sink, summary.output.points, progress);
    if (file.outcome == ConversionOutcome::kCancelled) {
      return RunResult::kCancelled;
    }
    if (file.outcome != ConversionOutcome::kConverted) {
      prompter.ShowMessage(FailureMessage(file, input, plan.outputPath));
      return RunResult::kFailed;
    }
    summary.inputs.push_back({input, file.points, opened.detection.headerOrder});
    summary.output.points += file.points;
  }
  return RunResult::kCompleted;
}

// Writes the output under its temporary name and puts it in place.
RunResult WriteOutput(Session& session, const RunPlan& plan, RunSummary& summary,
                      Prompter& prompter, const ProgressReport& progress) {
  OutputFile output(plan.outputPath);
  if (!output.Open()) {
    prompter.ShowMessage(FileErrorMessage(kCannotCreateOutputText, plan.outputPath));
    return RunResult::kFailed;
  }
  const std::unique_ptr<PointWriter> writer = MakePointWriter(plan.output);
  StreamSink stream(*writer, output.Stream());
  ChunkedConversion chunks(plan.output, !plan.oneThread);
  // Each progress mark also hands the output written so far to the disk.
  const ProgressReport progressAndWriteback = [&](std::int64_t points) {
    output.StartWriteback();
    return !progress || progress(points);
  };
  const RunResult result =
      ConvertInputFiles(session, plan, stream, chunks, summary, prompter, progressAndWriteback);
  if (result != RunResult::kCompleted) {
    return result;
  }
  if (!output.Commit()) {
    prompter.ShowMessage(FileErrorMessage(kCannotWriteOutputText, plan.outputPath));
    return RunResult::kFailed;
  }
  return RunResult::kCompleted;
}

bool IsDelimited(OutputLayout layout) {
  return layout == OutputLayout::kCommaDelimited || layout == OutputLayout::kGeopakDelimited;
}

// The column orders are stated only when one differs from the usual P,E,N, so that a run of
// the usual files reports as it always has.
void StateColumnOrders(const RunPlan& plan, RunSummary& summary) {
  const bool delimitedOutput = IsDelimited(plan.output.layout);
  if (plan.read.order == kDefaultColumnOrder &&
      (!delimitedOutput || plan.output.order == kDefaultColumnOrder)) {
    return;
  }
  summary.inputOrder = plan.read.order;
  if (delimitedOutput) {
    summary.outputOrder = plan.output.order;
  }
}

// The plan of the request, or after a refusal shown the outcome to end with. A request that
// moves nothing may instead be converted as a layout alone, when the user says so.
std::variant<RunPlan, RunOutcome> CheckOrOffer(const RunRequest& request, Prompter& prompter) {
  const std::variant<RunPlan, RunRefusal> checked = CheckRun(request);
  const auto* refusal = std::get_if<RunRefusal>(&checked);
  if (refusal == nullptr) {
    return std::get<RunPlan>(checked);
  }
  if (refusal->movesNothing && request.offerLayoutOnly) {
    const Message offer{refusal->message + "\r\n" + kLayoutOnlyQuestion, MessageIcon::kQuestion,
                        MessageButtons::kYesNo, kRunRefusedTitle};
    if (prompter.ShowMessage(offer) == MessageAnswer::kYes) {
      RunRequest layoutOnly = request;
      layoutOnly.layoutOnly = true;
      return CheckOrOffer(layoutOnly, prompter);
    }
    return RunOutcome{RunResult::kRefused, refusal->focus};
  }
  prompter.ShowMessage(
      Message{refusal->message, MessageIcon::kExclamation, MessageButtons::kOk, kRunRefusedTitle});
  return RunOutcome{RunResult::kRefused, refusal->focus};
}

}  // namespace

RunOutcome RunConversion(Session& session, const RunRequest& request, Prompter& prompter,
                         const ProgressReport& progress) {
  const std::variant<RunPlan, RunOutcome> checked = CheckOrOffer(request, prompter);
  if (const auto* refused = std::get_if<RunOutcome>(&checked)) {
    return *refused;
  }
  RunPlan plan = std::get<RunPlan>(checked);
  // "As input": a file whose header line names P,N,E is written back the way it came.
  if (!request.outputOrder) {
    plan.output.order = SharedColumnOrder(plan.inputs, plan.read.order);
  }
  if (IsInputFile(plan.outputPath, plan.inputs)) {
    prompter.ShowMessage(FileErrorMessage(kOutputIsInputText, plan.outputPath));
    return {RunResult::kRefused, "oFileName"};
  }
  if (OutputFileExists(plan.outputPath) && !AskToOverwrite(plan.outputPath, prompter)) {
    return {RunResult::kDeclined, ""};
  }

  RunSummary summary;
  summary.date = ReportDate();
  summary.header = session.header;
  summary.controlPoints = request.controlPoints;
  summary.factors = plan.factors;
  summary.projectionBlock = ProjectionBlockFor(session.projectionScale, request);
  summary.fitTable = FitTableFor(session.fittedFactors, request);
  summary.output.path = plan.outputPath;
  StateColumnOrders(plan, summary);
  const RunResult result = WriteOutput(session, plan, summary, prompter, progress);
  if (result == RunResult::kCompleted) {
    AppendRun(session.reportText, summary);
    session.reportUnsaved = true;
    session.lastRun = plan;
  }
  return {result, ""};
}

RunRequest RequestFromForm(const MainForm& form) {
  RunRequest request;
  request.inputs = form.loadedFiles.items;
  request.outputPath = form.oFileName.text;
  if (form.outFormat.selected >= 0) {
    request.outputEntry = static_cast<std::size_t>(form.outFormat.selected);
  }
  request.controlPoints = ControlPointsOf(form);
  request.factors = {form.txtDX.text, form.txtDY.text, form.txtDR.text, form.txtDS.text};
  request.dz = form.txtDZ.text;
  request.ignoreRotation = form.ignoreDR.checked != 0;
  request.ignoreScaling = form.ignoreDS.checked != 0;
  request.suppressZeroElevations = form.chkSuppress.checked != 0;
  request.inputOrder = InputOrderOf(form);
  request.outputOrder = OutputOrderOf(form);
  request.offerLayoutOnly = true;
  return request;
}

RunResult RunConversion(Session& session, MainForm& form, Prompter& prompter, RunView& view) {
  const RunOutcome outcome =
      RunConversion(session, RequestFromForm(form), prompter,
                    [&view](std::int64_t points) { return view.ReportProgress(points); });
  if (!outcome.focus.empty()) {
    form.focus = outcome.focus;
  }
  if (outcome.result == RunResult::kCompleted) {
    form.mnuRptClr.enabled = true;
    view.ShowReport(ReportWindowText(session.reportText),
                    ReportWindowCaption(CountReportRuns(session.reportText)));
  }
  return outcome.result;
}

}  // namespace velkora
