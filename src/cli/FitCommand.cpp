// velkora-cli fit: the best shift, rotation and scale for many control pairs, printed as the
// four factor boxes "Use These Factors" fills, then the residual table of the report.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/FactorBoxes.h"
#include "cli/ProgramStart.h"
#include "cli/StderrPrompter.h"
#include "session/TextColumns.h"
#include "transform/ControlFit.h"
#include "transform/ReferenceList.h"

namespace velkora::cli {

namespace {

CommandSpec FitSpec() {
  return CommandSpec{
      .name = "fit",
      .usage = "",
      .summary =
          "Fits one shift, rotation and scale to two or more control pairs by least squares\n"
          "and prints the four boxes it fills, as factors does (dX=, dY=, angle=, scale=),\n"
          "then the residual table the run's report carries, its lines ending CR LF. The\n"
          "pivot is the first pair's source point.",
      .details =
          "Give the pairs by point number from a reference file, source:destination, or as\n"
          "a file of lines \"source X, source Y, destination X, destination Y\" (commas\n"
          "and/or blanks; blank lines and lines starting with # are skipped):\n"
          "  velkora-cli fit --reference control.txt --pairs 1:101,2:102,3:103,4:104\n"
          "  velkora-cli fit --pairs-file pairs.txt\n"
          "RMS is the root mean square of all the residual lengths. A pair is flagged with\n"
          "* when its residual is longer than three times the RMS of a fit without it; that\n"
          "needs four pairs or more.\n"
          "Exit status: 0 when the fit was printed, 1 when a file cannot be read, a number\n"
          "is not in the reference file or the pairs cannot be fitted, 2 on a usage error.\n",
      .options =
          {
              {"reference", true, "reference file of control points, e.g. --reference control.txt"},
              {"pairs", true, "source:destination point numbers there, e.g. --pairs 1:101,2:102"},
              {"pairs-file", true, "file of coordinate pairs, e.g. --pairs-file pairs.txt"},
          },
      .minPositionals = 0,
      .maxPositionals = 0,
  };
}

// "S1:D1,S2:D2,..." as number pairs; none when an item is not two numbers around one colon.
std::optional<std::vector<std::pair<std::string, std::string>>> SplitPairNumbers(
    std::string_view text) {
  std::vector<std::pair<std::string, std::string>> numbers;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string_view item = text.substr(start, comma - start);
    const std::size_t colon = item.find(':');
    if (colon == std::string_view::npos || item.find(':', colon + 1) != std::string_view::npos ||
        Trim(item.substr(0, colon)).empty() || Trim(item.substr(colon + 1)).empty()) {
      return std::nullopt;
    }
    numbers.emplace_back(Trim(item.substr(0, colon)), Trim(item.substr(colon + 1)));
    if (comma == std::string_view::npos) {
      return numbers;
    }
    start = comma + 1;
  }
}

int ReportFailure(const std::string& reason) {
  std::fprintf(stderr, "velkora-cli: %s\n", reason.c_str());
  return 1;
}

// The pairs named by the options; an exit code when they cannot be had.
struct PairsOrExit {
  std::vector<ControlPair> pairs;
  std::optional<int> exitCode;
};

PairsOrExit PairsFromReference(const std::string& referencePath, const std::string& numbersText,
                               SessionState& session, MainForm& form, Prompter& prompter) {
  const auto numbers = SplitPairNumbers(numbersText);
  if (!numbers) {
    return {{},
            ReportUsageError("--pairs needs SOURCE:DESTINATION numbers separated by "
                             "commas, not '" +
                             numbersText + "'")};
  }
  form.rFileName.text = referencePath;
  if (!LoadReferenceFile(session, form, prompter)) {
    return {{}, ReportFailure("no control points could be loaded from " + referencePath)};
  }
  PairsOutcome outcome = LookUpControlPairs(session, *numbers);
  if (!outcome.error.empty()) {
    return {{}, ReportFailure(outcome.error)};
  }
  return {std::move(outcome.pairs), std::nullopt};
}

PairsOrExit PairsOf(const CliArguments& parsed, SessionState& session, MainForm& form,
                    Prompter& prompter) {
  const std::optional<std::string> reference = parsed.Value("reference");
  const std::optional<std::string> numbers = parsed.Value("pairs");
  const std::optional<std::string> pairsFile = parsed.Value("pairs-file");
  if (numbers && pairsFile) {
    return {{}, ReportUsageError("give either --pairs or --pairs-file, not both")};
  }
  if (pairsFile) {
    if (reference) {
      return {{}, ReportUsageError("--pairs-file holds coordinates: it takes no --reference")};
    }
    PairsOutcome outcome = ReadControlPairsFile(*pairsFile);
    if (!outcome.error.empty()) {
      return {{}, ReportFailure(outcome.error)};
    }
    return {std::move(outcome.pairs), std::nullopt};
  }
  if (!numbers || !reference) {
    return {{},
            ReportUsageError(numbers || reference
                                 ? "--reference and --pairs go together"
                                 : "give the pairs with --reference and --pairs, or with "
                                   "--pairs-file")};
  }
  return PairsFromReference(*reference, *numbers, session, form, prompter);
}

}  // namespace

int RunFitCommand(const CommandArguments& args) {
  CliArguments parsed;
  if (const std::optional<int> exitCode = ParseCommandLine(FitSpec(), args, parsed)) {
    return *exitCode;
  }
  SessionState session;
  MainForm form;
  StderrPrompter prompter;
  StartAsProgram(session, form, prompter);
  const PairsOrExit pairs = PairsOf(parsed, session, form, prompter);
  if (pairs.exitCode) {
    return *pairs.exitCode;
  }
  const FitOutcome outcome = FitControlPairs(pairs.pairs);
  if (!outcome.fit) {
    return ReportFailure(outcome.error);
  }
  UseFitFactors(session, form, pairs.pairs, *outcome.fit);
  const std::string text = FactorBoxLines(form) + session.fittedFactors.residualTable;
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

}  // namespace velkora::cli
