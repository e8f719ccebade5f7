// velkora-cli detect: the layout of each named file, as format detection sees it.
#include <cstdio>
#include <string>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/LayoutNames.h"
#include "engine/input/FormatDetection.h"

namespace velkora::cli {

namespace {

const CommandSpec kDetectSpec{
    .name = "detect",
    .usage = "FILE...",
    .summary =
        "Prints the layout of each file: its format code, a short name and the path,\n"
        "separated by tabs, one line per file.",
    .details =
        "Names:\n"
        "  0    comma-delimited\n"
        "  1    geopak-delimited ;   or   geopak-delimited /   (the description separator)\n"
        "  4    coordinate-listing\n"
        "  5    sdms\n"
        "  6    80-column\n"
        "  7    80-column-plus       (\"+\" in column 16 and \".\" in column 19)\n"
        "  100  unrecognized\n"
        "  200  unreadable           (the file cannot be opened)\n"
        "Exit status: 0 when every file could be opened, 1 when any could not, 2 on a usage\n"
        "error.\n",
    .options = {},
    .minPositionals = 1,
};

std::string LayoutName(const Detection& detection) {
  switch (detection.layout) {
    case InputLayout::kCommaDelimited:
      return std::string(kCommaDelimitedName);
    case InputLayout::kGeopakDelimited:
      return std::string(detection.delimiter == '/' ? kGeopakSlashName : kGeopakSemicolonName);
    case InputLayout::kCoordinateListing:
      return std::string(kListingName);
    case InputLayout::kSdms:
      return std::string(kSdmsName);
    case InputLayout::kEightyColumn:
      return std::string(kEightyColumnName);
    case InputLayout::kEightyColumnPlus:
      return std::string(kEightyColumnPlusName);
    case InputLayout::kCannotOpen:
      return "unreadable";
    default:
      return "unrecognized";
  }
}

}  // namespace

int RunDetectCommand(const CommandArguments& args) {
  CliArguments parsed;
  if (const std::optional<int> exitCode = ParseCommandLine(kDetectSpec, args, parsed)) {
    return *exitCode;
  }
  // A script that checks files before a batch run must learn of one that is missing.
  int exitCode = 0;
  for (const std::string& path : parsed.positionals) {
    const Detection detection = DetectFormat(path);
    const std::string line = std::to_string(static_cast<int>(detection.layout)) + '\t' +
                             LayoutName(detection) + '\t' + path + '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
    if (detection.layout == InputLayout::kCannotOpen) {
      exitCode = 1;
    }
  }
  return exitCode;
}

}  // namespace velkora::cli
