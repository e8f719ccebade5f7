// velkora-cli: the conversion engine for scripts and batch work. Each command lives in a file
// of its own and is listed once in the table below.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "app/ProgramVersion.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"

namespace {

using velkora::cli::CliCommand;

constexpr std::array kCommands = {
    CliCommand{"detect", "print the layout of coordinate files", velkora::cli::RunDetectCommand},
    CliCommand{"list", "print the points of a coordinate file", velkora::cli::RunListCommand},
    CliCommand{"factors", "compute the shift, rotation and scale from control points",
               velkora::cli::RunFactorsCommand},
    CliCommand{"fit", "fit the shift, rotation and scale to many control pairs",
               velkora::cli::RunFitCommand},
    CliCommand{"scale-factor", "the grid-to-ground scale of a projection at a point",
               velkora::cli::RunScaleFactorCommand},
    CliCommand{"convert", "convert coordinate files into one output file",
               velkora::cli::RunConvertCommand},
};

void PrintOverview() {
  std::string text = "Usage: velkora-cli COMMAND [OPTIONS] [ARGUMENTS]\n\nCommands:\n";
  for (const CliCommand& command : kCommands) {
    std::string name(command.name);
    name.resize(std::max<std::size_t>(name.size() + 2, 10), ' ');
    text += "  " + name + std::string(command.summary) + "\n";
  }
  text += "\n'velkora-cli COMMAND --help' describes a command.\n";
  text += "'velkora-cli --version' prints the program's version.\n";
  std::fputs(text.c_str(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    return velkora::cli::ReportUsageError("no command given; try 'velkora-cli --help'");
  }
  const std::string_view commandName = argv[1];
  if (commandName == "--help" || commandName == "-h") {
    PrintOverview();
    return 0;
  }
  if (commandName == "--version") {
    std::printf("%.*s\n", static_cast<int>(velkora::kVersionLine.size()),
                velkora::kVersionLine.data());
    return 0;
  }
  for (const CliCommand& command : kCommands) {
    if (command.name == commandName) {
      return command.run(velkora::cli::CommandArguments(argv + 2, argv + argc));
    }
  }
  return velkora::cli::ReportUsageError("unknown command '" + std::string(commandName) + "'");
}
