// The options of velkora-cli convert: what it accepts, its --help, and -o and -f.
#pragma once

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"

namespace velkora::cli {

CommandSpec ConvertSpec();

// -o and -f stand for --output and --format; the value of an option is never expanded.
CommandArguments ExpandShortOptions(const CommandSpec& spec, const CommandArguments& args);

}  // namespace velkora::cli
