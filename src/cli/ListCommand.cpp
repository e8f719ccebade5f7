// velkora-cli list: a coordinate file read exactly as a reference file is, printed as
// reference list lines.
#include <cstdio>
#include <string>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/ColumnOrderOptions.h"
#include "cli/StderrPrompter.h"
#include "engine/input/PointReader.h"
#include "engine/points/Decimals.h"
#include "engine/transform/ReferenceList.h"

namespace velkora::cli {

namespace {

CommandSpec ListSpec() {
  return CommandSpec{
      .name = "list",
      .usage = "FILE",
      .summary =
          "Reads FILE in any input layout, as a reference file of control points is read,\n"
          "and prints one line per valid point: the number in 9 columns, X and Y in 13\n"
          "columns each with four decimals, two blanks and the description.",
      .details =
          "Exit status: 0 when points were listed, 1 when the file gives none or cannot be read.\n",
      .options = {InputOrderOption()},
      .minPositionals = 1,
      .maxPositionals = 1,
  };
}

// Why a file gives no reader: the opener's own refusal, or an unknown or unopenable file.
void ReportRefusedFile(const OpenedReader& opened, const std::string& path, Prompter& prompter) {
  if (!opened.refusal.empty()) {
    prompter.ShowMessage(FileErrorMessage(opened.refusal, path));
  } else if (opened.detection.layout == InputLayout::kUnrecognized) {
    prompter.ShowMessage(FileErrorMessage("Unrecognized File Format in", path));
  } else if (opened.detection.layout == InputLayout::kCannotOpen) {
    prompter.ShowMessage(FileErrorMessage("Unable To Open Specified File:", path));
  }
}

}  // namespace

int RunListCommand(const CommandArguments& args) {
  CliArguments parsed;
  if (const std::optional<int> exitCode = ParseCommandLine(ListSpec(), args, parsed)) {
    return *exitCode;
  }
  const OrderOrExit order = ColumnOrderOption(parsed, "input-order");
  if (order.exitCode) {
    return *order.exitCode;
  }
  StderrPrompter prompter;
  const std::string& path = parsed.positionals.front();
  const OpenedReader opened =
      OpenPointReader(path, ReadOptions{order.order.value_or(kDefaultColumnOrder)});
  if (!opened.reader) {
    ReportRefusedFile(opened, path, prompter);
    return 1;
  }
  PointReader& reader = *opened.reader;
  std::int64_t pointCount = 0;
  std::string line;
  for (ReadItem item; (item = reader.Next()) != ReadItem::kEnd;) {
    if (item == ReadItem::kPoint) {
      line = ReferenceListLine(reader.Point(), kControlDecimals);
      line += '\n';
      std::fwrite(line.data(), 1, line.size(), stdout);
      ++pointCount;
    }
  }
  if (reader.Input().Failed()) {
    prompter.ShowMessage(FileErrorMessage(kCannotReadReferenceText, path));
    return 1;
  }
  if (pointCount == 0) {
    std::fprintf(stderr, "velkora-cli: no valid points in %s\n", path.c_str());
    return 1;
  }
  return 0;
}

}  // namespace velkora::cli
