// The column-order options of the commands that read delimited files: --input-order and, for
// convert, --output-order, each PEN (point, easting, northing) or PNE (point, northing, easting).
#pragma once

#include <optional>
#include <string_view>

#include "cli/CliArguments.h"
#include "engine/points/ColumnOrder.h"

namespace velkora::cli {

OptionSpec InputOrderOption();
OptionSpec OutputOrderOption();

// The order an option names: PEN or PNE, in any letter case, with or without commas. None when
// the option is not given. The exit code 2 of a usage error for any other value.
struct OrderOrExit {
  std::optional<ColumnOrder> order;
  std::optional<int> exitCode;
};
OrderOrExit ColumnOrderOption(const CliArguments& parsed, std::string_view option);

}  // namespace velkora::cli
