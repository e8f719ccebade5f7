// Control pairs from the command line: numbers of a reference file or a pairs file, fitted.
#include "cli/ControlPairOptions.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "app/ReferenceFile.h"
#include "engine/text/TextColumns.h"

namespace velkora::cli {

namespace {

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

FitOrExit PairsFromReference(const std::string& referencePath, const std::string& numbersText,
                             Prompter& prompter, ColumnOrder order) {
  const auto numbers = SplitPairNumbers(numbersText);
  if (!numbers) {
    return {{},
            std::nullopt,
            ReportUsageError("--pairs needs SOURCE:DESTINATION numbers separated by commas, not '" +
                             numbersText + "'")};
  }
  const ReferenceLoad load = ReadReferenceFile(referencePath, prompter, ReadOptions{order});
  if (!load.list) {
    return {
        {}, std::nullopt, ReportFailure("no control points could be loaded from " + referencePath)};
  }
  PairsOutcome outcome = LookUpControlPairs(*load.list, *numbers);
  if (!outcome.error.empty()) {
    return {{}, std::nullopt, ReportFailure(outcome.error)};
  }
  return {std::move(outcome.pairs), std::nullopt, std::nullopt};
}

FitOrExit PairsOf(const CliArguments& parsed, Prompter& prompter, ColumnOrder order) {
  const std::optional<std::string> reference = parsed.Value("reference");
  const std::optional<std::string> numbers = parsed.Value("pairs");
  const std::optional<std::string> pairsFile = parsed.Value("pairs-file");
  if (numbers && pairsFile) {
    return {{}, std::nullopt, ReportUsageError("give either --pairs or --pairs-file, not both")};
  }
  if (pairsFile) {
    if (reference) {
      return {{},
              std::nullopt,
              ReportUsageError("--pairs-file holds coordinates: it takes no --reference")};
    }
    PairsOutcome outcome = ReadControlPairsFile(*pairsFile, order);
    if (!outcome.error.empty()) {
      return {{}, std::nullopt, ReportFailure(outcome.error)};
    }
    return {std::move(outcome.pairs), std::nullopt, std::nullopt};
  }
  if (!numbers || !reference) {
    return {{},
            std::nullopt,
            ReportUsageError(numbers || reference
                                 ? "--reference and --pairs go together"
                                 : "give the pairs with --reference and --pairs, or with "
                                   "--pairs-file")};
  }
  return PairsFromReference(*reference, *numbers, prompter, order);
}

}  // namespace

std::vector<OptionSpec> ControlPairOptions() {
  return {
      {"pairs", true, "source:destination point numbers there, e.g. --pairs 1:101,2:102"},
      {"pairs-file", true, "file of coordinate pairs, e.g. --pairs-file pairs.txt"},
  };
}

bool HasControlPairOptions(const CliArguments& parsed) {
  return parsed.Value("pairs") || parsed.Value("pairs-file");
}

FitOrExit FitFromOptions(const CliArguments& parsed, Prompter& prompter, ColumnOrder order) {
  FitOrExit fitted = PairsOf(parsed, prompter, order);
  if (fitted.exitCode) {
    return fitted;
  }
  FitOutcome outcome = FitControlPairs(fitted.pairs);
  if (!outcome.fit) {
    fitted.exitCode = ReportFailure(outcome.error);
    return fitted;
  }
  fitted.fit = std::move(outcome.fit);
  return fitted;
}

}  // namespace velkora::cli
