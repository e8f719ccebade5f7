// The layout names -f takes.
#include "cli/LayoutNames.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "engine/points/Layouts.h"
#include "engine/text/LineText.h"

namespace velkora::cli {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldCase(x) == FoldCase(y);
         });
}

constexpr std::array<std::pair<std::string_view, std::size_t>, 6> kShortNames = {{
    {kCommaDelimitedName, 0},
    {kGeopakSemicolonName, 1},
    {kGeopakSlashName, 2},
    {kSdmsName, 5},
    {kEightyColumnName, 6},
    {kEightyColumnPlusName, 6},
}};

}  // namespace

std::optional<std::size_t> OutputFormatEntry(std::string_view name) {
  for (std::size_t entry = 0; entry < kOutputFormatNames.size(); ++entry) {
    if (SameIgnoringCase(name, kOutputFormatNames[entry]) || name == std::to_string(entry)) {
      return entry;
    }
  }
  for (const auto& [shortName, entry] : kShortNames) {
    if (SameIgnoringCase(name, shortName)) {
      return entry;
    }
  }
  return std::nullopt;
}

}  // namespace velkora::cli
