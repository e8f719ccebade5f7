// Control pairs for the fit: looked up by point number in the reference list, or read from a
// plain file of four coordinates a line.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/input/LineInput.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"
#include "engine/transform/ControlFit.h"

namespace velkora {
namespace {

bool IsSeparator(char c) {
  return c == ',' || c == ' ' || c == '\t';
}

// The four numbers of a pairs line, or none when it holds any other count or a word.
std::optional<std::array<double, 4>> PairNumbers(std::string_view line) {
  std::array<double, 4> numbers{};
  std::size_t count = 0;
  std::size_t pos = 0;
  while (pos < line.size()) {
    if (IsSeparator(line[pos])) {
      ++pos;
      continue;
    }
    std::size_t end = pos;
    while (end < line.size() && !IsSeparator(line[end])) {
      ++end;
    }
    const std::optional<double> value = ReadStrictNumber(line.substr(pos, end - pos));
    if (!value || count == numbers.size()) {
      return std::nullopt;
    }
    numbers[count++] = *value;
    pos = end;
  }
  if (count != numbers.size()) {
    return std::nullopt;
  }
  return numbers;
}

}  // namespace

PairsOutcome LookUpControlPairs(const ReferenceList& list,
                                const std::vector<std::pair<std::string, std::string>>& numbers) {
  PairsOutcome outcome;
  for (const auto& [sourceNumber, destNumber] : numbers) {
    const std::optional<ListedPoint> source = FindReferencePoint(list, sourceNumber);
    const std::optional<ListedPoint> dest = FindReferencePoint(list, destNumber);
    if (!source || !dest) {
      const std::string_view missing = Trim(source ? destNumber : sourceNumber);
      outcome.pairs.clear();
      outcome.error = missing.empty()
                          ? "A control pair needs two point numbers."
                          : "Point " + std::string(missing) + " is not in the reference file.";
      return outcome;
    }
    outcome.pairs.push_back(ControlPair{std::string(Trim(sourceNumber)),
                                        std::string(Trim(destNumber)), source->x, source->y,
                                        dest->x, dest->y});
  }
  return outcome;
}

PairsOutcome ReadControlPairsFile(const std::string& path, ColumnOrder order) {
  PairsOutcome outcome;
  LineInput input;
  if (!input.Open(path)) {
    outcome.error = "Unable to open the control pairs file " + path + ".";
    return outcome;
  }
  std::string line;
  std::int64_t lineNumber = 0;
  while (input.ReadLine(line)) {
    ++lineNumber;
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == '#') {
      continue;
    }
    const std::optional<std::array<double, 4>> numbers = PairNumbers(text);
    if (!numbers) {
      outcome.pairs.clear();
      outcome.error = "Line " + std::to_string(lineNumber) + " of " + path +
                      " does not hold four numbers: source X, Y, destination X, Y.";
      return outcome;
    }
    std::array<double, 4> xy = *numbers;
    if (order == ColumnOrder::kNorthingFirst) {
      std::swap(xy[0], xy[1]);
      std::swap(xy[2], xy[3]);
    }
    outcome.pairs.push_back(ControlPair{"", "", xy[0], xy[1], xy[2], xy[3]});
  }
  if (input.Failed()) {
    outcome.pairs.clear();
    outcome.error = "Unable to read the control pairs file " + path + ".";
  }
  return outcome;
}

}  // namespace velkora
