// Option parsing and help text for the velkora-cli commands.
#include "cli/CliArguments.h"

#include <algorithm>
#include <cstdio>

namespace velkora::cli {

namespace {

const OptionSpec* FindOption(const CommandSpec& spec, std::string_view name) {
  const auto found = std::find_if(spec.options.begin(), spec.options.end(),
                                  [name](const OptionSpec& option) { return option.name == name; });
  return found == spec.options.end() ? nullptr : &*found;
}

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + std::string.
std::string Quoted(std::string_view text) {
  std::string quoted(1, '\'');
  quoted.append(text);
  quoted.push_back('\'');
  return quoted;
}

}  // namespace

std::optional<std::string> CliArguments::Value(std::string_view name) const {
  const auto found = values.find(name);
  if (found == values.end()) {
    return std::nullopt;
  }
  return found->second;
}

bool ParseArguments(const CommandSpec& spec, const std::vector<std::string>& args,
                    CliArguments& parsed, std::string& reason) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg == "-" || arg.empty() || arg.front() != '-') {
      parsed.positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      parsed.helpRequested = true;
      continue;
    }
    if (!arg.starts_with("--")) {
      reason = "unknown option " + Quoted(arg) + " for " + std::string(spec.name);
      return false;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(2, equals == std::string::npos ? equals : equals - 2);
    const OptionSpec* option = FindOption(spec, name);
    if (option == nullptr) {
      reason = "unknown option " + Quoted("--" + name) + " for " + std::string(spec.name);
      return false;
    }
    if (!option->takesValue) {
      if (equals != std::string::npos) {
        reason = "option " + Quoted("--" + name) + " takes no value";
        return false;
      }
      parsed.flags.insert(name);
      continue;
    }
    if (equals != std::string::npos) {
      parsed.values[name] = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      parsed.values[name] = args[++i];
    } else {
      reason = "option " + Quoted("--" + name) + " needs a value";
      return false;
    }
  }
  if (parsed.helpRequested) {
    return true;
  }
  if (parsed.positionals.size() < spec.minPositionals) {
    reason = std::string(spec.name) + " needs " + std::string(spec.usage);
    return false;
  }
  if (parsed.positionals.size() > spec.maxPositionals) {
    reason = "unexpected argument " + Quoted(parsed.positionals[spec.maxPositionals]) + " for " +
             std::string(spec.name);
    return false;
  }
  return true;
}

std::string HelpText(const CommandSpec& spec) {
  std::string text = "Usage: velkora-cli " + std::string(spec.name);
  if (!spec.options.empty()) {
    text += " [OPTIONS]";
  }
  if (!spec.usage.empty()) {
    text.append(" ").append(spec.usage);
  }
  text.append("\n\n").append(spec.summary).append("\n");
  if (!spec.details.empty()) {
    text.append("\n").append(spec.details);
  }
  text += "\nOptions:\n";
  for (const OptionSpec& option : spec.options) {
    std::string name = "--" + std::string(option.name) + (option.takesValue ? " VALUE" : "");
    name.resize(std::max<std::size_t>(name.size() + 2, 24), ' ');
    text += "  " + name + std::string(option.help) + "\n";
  }
  text += "  --help                  show this help\n";
  return text;
}

int ReportUsageError(std::string_view reason) {
  std::fprintf(stderr, "velkora-cli: %.*s\n", static_cast<int>(reason.size()), reason.data());
  return 2;
}

std::optional<int> ParseCommandLine(const CommandSpec& spec, const std::vector<std::string>& args,
                                    CliArguments& parsed) {
  std::string reason;
  if (!ParseArguments(spec, args, parsed, reason)) {
    return ReportUsageError(reason);
  }
  if (parsed.helpRequested) {
    std::fputs(HelpText(spec).c_str(), stdout);
    return 0;
  }
  return std::nullopt;
}

}  // namespace velkora::cli
