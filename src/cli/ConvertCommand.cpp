// velkora-cli convert: a run request built from the options, run as Compute runs it; the run's
// messages go to stderr and its report to a file on request.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "app/ConversionRun.h"
#include "app/InputFileList.h"
#include "app/Startup.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/ConvertOptions.h"
#include "cli/ConvertRequest.h"
#include "cli/LayoutNames.h"
#include "cli/ProgramStart.h"
#include "cli/ProgressLine.h"
#include "cli/RunPrompter.h"
#include "engine/report/ReportSaving.h"
#include "engine/settings/HeaderDefaults.h"

namespace velkora::cli {

namespace {

// The header defaults file named on the command line replaces the one beside the program.
bool LoadHeaderFile(Session& session, const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error) || !std::ifstream(path)) {
    std::fprintf(stderr, "velkora-cli: cannot read header file %s\n", path.c_str());
    return false;
  }
  session.iniPath = path;
  session.header = ReadHeaderDefaults(path);
  return true;
}

// The input files as the window's list takes them: duplicates are skipped, and a file that
// cannot be opened or has no known layout is reported. Such a file refuses the run unless
// --skip-unreadable leaves it out, so that a batch job never reports success for a file it did
// not read. False when the run is refused.
bool AddInputFiles(const CliArguments& parsed, RunRequest& request, Prompter& prompter) {
  bool allAdded = true;
  for (const std::string& input : parsed.positionals) {
    const bool listed =
        std::find(request.inputs.begin(), request.inputs.end(), input) != request.inputs.end();
    if (!listed && !AddToInputList(request.inputs, input, &prompter)) {
      allAdded = false;
    }
  }
  if (!allAdded && !parsed.HasFlag("skip-unreadable")) {
    std::fputs("velkora-cli: nothing was converted; --skip-unreadable converts the other files\n",
               stderr);
    return false;
  }
  return true;
}

// --report and --print-report, after a completed run: the output file is in place by then, and
// a report that cannot be written must not read as if the whole run had failed.
int HandOverReport(const CliArguments& parsed, const Session& session,
                   const std::string& outputPath) {
  if (parsed.HasFlag("print-report")) {
    const std::string text = session.reportText + "\r\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
  }
  if (const std::optional<std::string> path = parsed.Value("report")) {
    std::string error;
    if (!AppendReportToFile(session.reportText, *path, error)) {
      std::fprintf(stderr,
                   "velkora-cli: the output file %s was written, but the report could not be "
                   "added to %s: %s\n",
                   outputPath.c_str(), path->c_str(), error.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace

int RunConvertCommand(const CommandArguments& args) {
  const CommandSpec spec = ConvertSpec();
  CliArguments parsed;
  if (const std::optional<int> exitCode =
          ParseCommandLine(spec, ExpandShortOptions(spec, args), parsed)) {
    return *exitCode;
  }
  const std::optional<std::string> output = parsed.Value("output");
  const std::optional<std::string> formatName = parsed.Value("format");
  if (!output || !formatName) {
    return ReportUsageError("convert needs -o OUTPUT and -f FORMAT");
  }
  const std::optional<std::size_t> formatEntry = OutputFormatEntry(*formatName);
  if (!formatEntry) {
    return ReportUsageError("unknown output format '" + *formatName +
                            "'; 'velkora-cli convert --help' lists them");
  }

  RunRequest request;
  if (const std::optional<int> exitCode = RefuseMovesWithLayoutOnly(parsed)) {
    return *exitCode;
  }
  if (const std::optional<int> exitCode = TakeColumnOrders(parsed, request)) {
    return *exitCode;
  }

  Session session;
  ProgressLine progress(ProgressLine::StderrIsTerminal());
  RunPrompter prompter(parsed.HasFlag("yes"), progress);
  StartSession(session, ProgramFolder());
  if (const std::optional<std::string> header = parsed.Value("header");
      header && !LoadHeaderFile(session, *header)) {
    return 1;
  }
  if (const std::optional<int> exitCode = BuildConvertRequest(parsed, session, request, prompter)) {
    return *exitCode;
  }
  request.outputPath = *output;
  request.outputEntry = *formatEntry;
  request.suppressZeroElevations = !parsed.HasFlag("keep-zero-elevations");
  request.oneThread = parsed.HasFlag("one-thread");
  request.layoutOnly = parsed.HasFlag("layout-only");
  if (!AddInputFiles(parsed, request, prompter)) {
    return 1;
  }

  const RunOutcome outcome =
      RunConversion(session, request, prompter, [&progress](std::int64_t points) {
        progress.Show(points);
        return true;
      });
  progress.Clear();
  if (outcome.result == RunResult::kDeclined) {
    std::fprintf(stderr, "velkora-cli: %s exists and was kept; --yes replaces it\n",
                 output->c_str());
  }
  if (outcome.result != RunResult::kCompleted) {
    return 1;
  }
  return HandOverReport(parsed, session, *output);
}

}  // namespace velkora::cli
