// velkora-cli list: a coordinate file read exactly as a reference file is, printed as
// reference list lines.
#include <cstdio>
#include <string>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/StderrPrompter.h"
#include "input/PointReading.h"
#include "transform/ReferenceList.h"

namespace velkora::cli {

namespace {

const CommandSpec kListSpec{
    .name = "list",
    .usage = "FILE",
    .summary =
        "Reads FILE in any input layout, as a reference file of control points is read,\n"
        "and prints one line per valid point: the number in 9 columns, X and Y in 13\n"
        "columns each with four decimals, two blanks and the description.",
    .details =
        "Exit status: 0 when points were listed, 1 when the file gives none or cannot be read.\n",
    .options = {},
    .minPositionals = 1,
    .maxPositionals = 1,
};

// The message that OpenInputFile leaves to its caller for a file it refuses silently.
void ReportRefusedFile(const SessionState& session, Prompter& prompter) {
  if (session.inFormat == format::kUnrecognized) {
    prompter.ShowMessage(FileErrorMessage("Unrecognized File Format in", session.curFileName));
  } else if (session.inFormat == format::kCannotOpen) {
    prompter.ShowMessage(FileErrorMessage("Unable To Open Specified File:", session.curFileName));
  }
}

}  // namespace

int RunListCommand(const CommandArguments& args) {
  CliArguments parsed;
  if (const std::optional<int> exitCode = ParseCommandLine(kListSpec, args, parsed)) {
    return *exitCode;
  }
  SessionState session;
  StderrPrompter prompter;
  session.curFileName = parsed.positionals.front();
  session.outFormatCode = format::kUnrecognized;  // copy no comment lines anywhere
  if (!OpenInputFile(session, prompter)) {
    ReportRefusedFile(session, prompter);
    return 1;
  }
  std::int64_t pointCount = 0;
  std::string line;
  do {
    if (ReadPoint(session)) {
      line = ReferenceListLine(session.point, session.controlDecimals);
      line += '\n';
      std::fwrite(line.data(), 1, line.size(), stdout);
      ++pointCount;
    }
  } while (!session.inFile.AtEnd());
  const bool failed = session.inFile.Failed();
  CloseInputFile(session);
  if (failed) {
    prompter.ShowMessage(FileErrorMessage(kCannotReadReferenceText, session.curFileName));
    return 1;
  }
  if (pointCount == 0) {
    std::fprintf(stderr, "velkora-cli: no valid points in %s\n", session.curFileName.c_str());
    return 1;
  }
  return 0;
}

}  // namespace velkora::cli
