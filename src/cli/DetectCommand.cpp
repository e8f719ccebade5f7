// velkora-cli detect: the layout of each named file, as format detection sees it.
#include <cstdio>
#include <string>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "input/FormatDetection.h"

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
        "  200  unreadable           (the file cannot be opened)\n",
    .options = {},
    .minPositionals = 1,
};

std::string LayoutName(FileFormat code, char delimiter) {
  switch (code) {
    case format::kCommaDelimited:
      return "comma-delimited";
    case format::kGeopakDelimited:
      return std::string("geopak-delimited ") + delimiter;
    case format::kCoordinateListing:
      return "coordinate-listing";
    case format::kSdms:
      return "sdms";
    case format::kEightyColumn:
      return "80-column";
    case format::kEightyColumnPlus:
      return "80-column-plus";
    case format::kCannotOpen:
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
  SessionState session;
  for (const std::string& path : parsed.positionals) {
    session.curFileName = path;
    DetectFormat(session);
    const std::string line = std::to_string(session.inFormat) + '\t' +
                             LayoutName(session.inFormat, session.inDelim) + '\t' + path + '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
  }
  return 0;
}

}  // namespace velkora::cli
