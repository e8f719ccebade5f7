// The control-point options of factors and convert: the four points typed as coordinates or
// looked up by number in a reference file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Prompter.h"
#include "cli/CliArguments.h"
#include "engine/input/PointReader.h"
#include "engine/points/ControlPointText.h"

namespace velkora::cli {

// The texts between the commas of `text`, which must hold exactly `count` of them.
std::optional<std::vector<std::string>> SplitAtCommas(std::string_view text, std::size_t count);

// --source-pivot, --source-ref, --dest-pivot, --dest-ref, --reference and --points.
std::vector<OptionSpec> ControlPointOptions();

// The control points the options name, as their boxes would hold them: coordinates typed as
// X,Y, or numbers looked up in the reference file (read with `reading`). A number that is not there
// leaves its point empty and is reported on stderr. The exit code to end with on a usage error or a
// reference file that cannot be loaded.
struct ControlPointsOrExit {
  ControlPointTexts points;
  std::optional<int> exitCode;
};
ControlPointsOrExit ControlPointsFromOptions(const CliArguments& parsed, Prompter& prompter,
                                             const ReadOptions& reading);

}  // namespace velkora::cli
