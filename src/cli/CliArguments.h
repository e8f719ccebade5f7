// The option parser shared by every velkora-cli command: long options with values
// ("--name value" or "--name=value"), flags, positional arguments and --help.
#pragma once

#include <cstddef>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::cli {

struct OptionSpec {
  std::string_view name;  // without the leading "--"
  bool takesValue = false;
  std::string_view help;
};

// What a command accepts, and the text of its --help.
struct CommandSpec {
  std::string_view name;
  std::string_view usage;  // positional part of the usage line, e.g. "FILE..."
  std::string_view summary;
  std::string_view details;  // further help text, may be empty
  std::vector<OptionSpec> options;
  std::size_t minPositionals = 0;
  std::size_t maxPositionals = std::numeric_limits<std::size_t>::max();
};

struct CliArguments {
  std::map<std::string, std::string, std::less<>> values;
  std::set<std::string, std::less<>> flags;
  std::vector<std::string> positionals;
  bool helpRequested = false;

  bool HasFlag(std::string_view name) const { return flags.contains(name); }
  std::optional<std::string> Value(std::string_view name) const;
};

// Parses the arguments that follow the command name. False with `reason` set on a usage
// error. The value of an option is always the next argument, even when it begins with "-",
// so that "--dx -12.5" works; "--" ends the options.
bool ParseArguments(const CommandSpec& spec, const std::vector<std::string>& args,
                    CliArguments& parsed, std::string& reason);

std::string HelpText(const CommandSpec& spec);

// Prints "velkora-cli: <reason>" as one line on stderr; returns the usage exit code 2.
int ReportUsageError(std::string_view reason);

// ParseArguments, then --help or a usage error handled: the exit code to end with, or no
// value when the command should run.
std::optional<int> ParseCommandLine(const CommandSpec& spec, const std::vector<std::string>& args,
                                    CliArguments& parsed);

}  // namespace velkora::cli
