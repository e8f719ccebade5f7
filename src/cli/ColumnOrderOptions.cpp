// Reading --input-order and --output-order.
#include "cli/ColumnOrderOptions.h"

#include <string>

#include "engine/text/LineText.h"

namespace velkora::cli {

OptionSpec InputOrderOption() {
  return {"input-order", true,
          "columns of delimited input files: PEN (X first, the default) or PNE (northing "
          "first); a header line naming the columns overrides it"};
}

OptionSpec OutputOrderOption() {
  return {"output-order", true,
          "columns of a delimited output: PEN or PNE (default: as the delimited inputs are read)"};
}

OrderOrExit ColumnOrderOption(const CliArguments& parsed, std::string_view option) {
  const std::optional<std::string> value = parsed.Value(option);
  if (!value) {
    return {};
  }
  std::string letters;
  for (const char c : *value) {
    if (c != ',') {
      letters += FoldCase(c);
    }
  }
  if (letters == "pen") {
    return {ColumnOrder::kEastingFirst, std::nullopt};
  }
  if (letters == "pne") {
    return {ColumnOrder::kNorthingFirst, std::nullopt};
  }
  return {std::nullopt,
          ReportUsageError("--" + std::string(option) + " takes PEN or PNE, not '" + *value + "'")};
}

}  // namespace velkora::cli
