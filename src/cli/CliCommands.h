// The commands of velkora-cli. Each takes the arguments that follow its name and returns the
// exit code; main.cpp dispatches to them from one table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velkora::cli {

using CommandArguments = std::vector<std::string>;

struct CliCommand {
  std::string_view name;
  std::string_view summary;
  int (*run)(const CommandArguments& args);
};

int RunDetectCommand(const CommandArguments& args);
int RunListCommand(const CommandArguments& args);
int RunFactorsCommand(const CommandArguments& args);
int RunFitCommand(const CommandArguments& args);
int RunScaleFactorCommand(const CommandArguments& args);
int RunConvertCommand(const CommandArguments& args);

}  // namespace velkora::cli
