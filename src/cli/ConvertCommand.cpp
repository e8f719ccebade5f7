// velkora-cli convert: a run request built from the options, run as Compute runs it; the run's
// messages go to stderr and its report to a file on request.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "app/ConversionRun.h"
#include "app/FactorCommands.h"
#include "app/FitCommands.h"
#include "app/InputFileList.h"
#include "app/ReverseFactors.h"
#include "app/Startup.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/ColumnOrderOptions.h"
#include "cli/ControlPairOptions.h"
#include "cli/ControlPointOptions.h"
#include "cli/LayoutNames.h"
#include "cli/ProgramStart.h"
#include "cli/ProgressLine.h"
#include "cli/ProjectionOptions.h"
#include "cli/RunPrompter.h"
#include "engine/points/Layouts.h"
#include "engine/report/ReportSaving.h"
#include "engine/settings/HeaderDefaults.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora::cli {

namespace {

CommandSpec ConvertSpec() {
  CommandSpec spec{
      .name = "convert",
      .usage = "INPUT...",
      .summary =
          "Converts the INPUT coordinate files into one OUTPUT file in layout FORMAT, moving\n"
          "every point by the shift, rotation and scale given, as Compute does in the\n"
          "main window.",
      .details =
          "FORMAT is the layout's name or its number: 0 \"Comma-Delimited\",\n"
          "1 \"Geopak Delimited ;\", 2 \"Geopak Delimited /\", 3 \"Geopak Input N/E\",\n"
          "4 \"Geopak Input X/Y\", 5 \"SDMS Points\", 6 \"Tavrin 80-Column\", in any letter\n"
          "case, or the short name detect prints (comma-delimited, sdms, 80-column ...).\n"
          "-o and -f stand for --output and --format. Examples:\n"
          "  velkora-cli convert -o moved.txt -f 0 --dx 100 --dy=-12.5 survey.txt\n"
          "  velkora-cli convert -o moved.txt -f \"SDMS Points\" --source-pivot 1000,1000 \\\n"
          "      --angle \"-12 30 00\" --scale 1.0002 --yes survey.txt more.txt\n"
          "  velkora-cli convert -o moved.txt -f 6 --reference control.txt --points 1,2,10,11 \\\n"
          "      --calculate --report job-report.txt survey.txt\n"
          "  velkora-cli convert -o moved.txt -f 0 --reference control.txt \\\n"
          "      --pairs 1:101,2:102,3:103,4:104 --report job-report.txt survey.txt\n"
          "--pairs and --pairs-file fit the factors to many control pairs as velkora-cli fit\n"
          "does; the report then carries the residual table.\n"
          "--crs with --grid-to-ground or --ground-to-grid sets the scale from the projection\n"
          "as velkora-cli scale-factor computes it, at --at or else at the source pivot; the\n"
          "source pivot is the --at point when none is given. The report then describes it:\n"
          "  velkora-cli convert -o ground.txt -f 0 --crs EPSG:2227 \\\n"
          "      --at 6229522.73,1948852.78 --elevation 4245.17 --grid-to-ground survey.txt\n"
          "--reverse turns the factors given into those that undo them: a file converted with\n"
          "the same options and --reverse comes back to its coordinates.\n"
          "With --dz, an elevation of 0 (none) stays 0.\n"
          "An input file that cannot be opened or has no known layout refuses the run, and\n"
          "nothing is written, unless --skip-unreadable leaves it out.\n"
          "Exit status: 0 when the run completed, 1 when it was refused, declined or failed,\n"
          "2 on a usage error.\n",
      .options =
          {
              {"output", true, "the output file, e.g. -o moved.txt"},
              {"format", true, "the output layout, e.g. -f \"Geopak Delimited ;\" or -f 1"},
              {"dx", true, "shift along X, e.g. --dx -12.5"},
              {"dy", true, "shift along Y, e.g. --dy 250"},
              {"dz", true, "shift of every elevation written, e.g. --dz 0.35"},
              {"angle", true, "rotation as DD.MMSSss or \"DD MM SS\", e.g. --angle \"-12 30 00\""},
              {"scale", true, "scale factor about the source pivot, e.g. --scale 1.0002"},
              {"no-rotation", false, "tick \"No Rotation\": the angle given is not applied"},
              {"no-scaling", false, "tick \"No Scaling\": the scale given is not applied"},
          },
      .minPositionals = 1,
  };
  for (const OptionSpec& option : ControlPointOptions()) {
    spec.options.push_back(option);
  }
  for (const OptionSpec& option : ControlPairOptions()) {
    spec.options.push_back(option);
  }
  for (const OptionSpec& option : ProjectionOptions()) {
    spec.options.push_back(option);
  }
  spec.options.push_back(InputOrderOption());
  spec.options.push_back(OutputOrderOption());
  spec.options.insert(
      spec.options.end(),
      {
          {"reverse", false, "undo the factors given, as \"Reverse Factors\" does"},
          {"calculate", false,
           "compute the factors from the control points; --dx ... overwrite them"},
          {"keep-zero-elevations", false,
           "write zero and negative elevations too (left out by default)"},
          {"layout-only", false,
           "convert the layout alone: every point keeps its coordinates and elevation (no "
           "factors, pairs, --crs, --calculate or --reverse)"},
          {"skip-unreadable", false,
           "leave out an input file that cannot be opened or has no known layout, instead of "
           "refusing the run"},
          {"header", true, "header defaults file for the report, e.g. --header job.ini"},
          {"report", true, "append the run's report to a file, e.g. --report job-report.txt"},
          {"print-report", false, "print the run's report on stdout"},
          {"yes", false, "replace an existing output file without asking"},
          {"one-thread", false,
           "read, move and write on one thread (slower; same output), for a machine shared "
           "by many jobs"},
      });
  return spec;
}

// -o and -f stand for --output and --format; the value of an option is never expanded.
CommandArguments ExpandShortOptions(const CommandSpec& spec, const CommandArguments& args) {
  CommandArguments expanded;
  bool nextIsValue = false;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (nextIsValue || optionsEnded) {
      nextIsValue = false;
      expanded.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-o" || arg == "-f") {
      expanded.push_back(arg == "-o" ? "--output" : "--format");
      nextIsValue = true;
      continue;
    } else if (arg.starts_with("--") && arg.find('=') == std::string::npos) {
      for (const OptionSpec& option : spec.options) {
        nextIsValue = nextIsValue || (option.takesValue && arg.substr(2) == option.name);
      }
    }
    expanded.push_back(arg);
  }
  return expanded;
}

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

// --layout-only moves nothing, so an option that moves points contradicts it.
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

// The column orders of the options into the request; the exit code of a usage error.
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
  if (const std::optional<int> exitCode = FillFactorSources(parsed, session, request, prompter)) {
    return *exitCode;
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
    return *exitCode;
  }
  TickIgnoreBoxes(parsed, request);
  if (!ReverseOnRequest(parsed, session, request, prompter)) {
    return 1;
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
