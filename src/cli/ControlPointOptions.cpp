// Control points from the command line: "X,Y" pairs, or point numbers of a reference file.
#include "cli/ControlPointOptions.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "app/ReferenceFile.h"

namespace velkora::cli {

namespace {

struct ControlPointOption {
  std::string_view option;
  std::string_view caption;
};

// In the order of --points and of the control points.
constexpr std::array<ControlPointOption, 4> kControlPoints = {{
    {"source-pivot", "source pivot"},
    {"source-ref", "source reference point"},
    {"dest-pivot", "destination pivot"},
    {"dest-ref", "destination reference point"},
}};

}  // namespace

std::optional<std::vector<std::string>> SplitAtCommas(std::string_view text, std::size_t count) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    parts.emplace_back(text.substr(start, comma - start));
    if (comma == std::string_view::npos) {
      break;
    }
    start = comma + 1;
  }
  if (parts.size() != count) {
    return std::nullopt;
  }
  return parts;
}

namespace {

bool AnyCoordinateOption(const CliArguments& parsed) {
  for (const ControlPointOption& point : kControlPoints) {
    if (parsed.Value(point.option)) {
      return true;
    }
  }
  return false;
}

ControlPointsOrExit TypedCoordinates(const CliArguments& parsed) {
  ControlPointsOrExit typed;
  for (std::size_t i = 0; i < kControlPoints.size(); ++i) {
    const std::string_view option = kControlPoints[i].option;
    const std::optional<std::string> text = parsed.Value(option);
    if (!text) {
      continue;
    }
    const std::optional<std::vector<std::string>> xy = SplitAtCommas(*text, 2);
    if (!xy) {
      typed.exitCode =
          ReportUsageError("--" + std::string(option) + " needs X,Y, not '" + *text + "'");
      return typed;
    }
    typed.points[i].x = (*xy)[0];
    typed.points[i].y = (*xy)[1];
  }
  return typed;
}

// The one line that says why the reference file gave no list; the other reasons have been
// shown while it was read.
void ReportUnloadedReference(const Detection& detection, const std::string& path) {
  if (detection.layout == InputLayout::kCannotOpen) {
    std::fprintf(stderr, "velkora-cli: cannot open reference file %s\n", path.c_str());
  } else if (detection.layout == InputLayout::kUnrecognized) {
    std::fprintf(stderr, "velkora-cli: reference file %s is not a coordinate file\n", path.c_str());
  }
}

ControlPointsOrExit LookedUpNumbers(const std::string& referencePath,
                                    const std::string& numbersText, Prompter& prompter,
                                    const ReadOptions& reading) {
  ControlPointsOrExit looked;
  const std::optional<std::vector<std::string>> numbers = SplitAtCommas(numbersText, 4);
  if (!numbers) {
    looked.exitCode =
        ReportUsageError("--points needs four numbers SP,SR,DP,DR, not '" + numbersText + "'");
    return looked;
  }
  const ReferenceLoad load = ReadReferenceFile(referencePath, prompter, reading);
  if (!load.list) {
    ReportUnloadedReference(load.detection, referencePath);
    looked.exitCode = 1;
    return looked;
  }
  for (std::size_t i = 0; i < kControlPoints.size(); ++i) {
    const std::string& number = (*numbers)[i];
    if (number.empty()) {
      continue;
    }
    if (const std::optional<ControlPointText> found = LookUpControlPoint(*load.list, number)) {
      looked.points[i] = *found;
    } else {
      std::fprintf(stderr, "velkora-cli: point %s is not in %s; the %s stays empty\n",
                   number.c_str(), referencePath.c_str(),
                   std::string(kControlPoints[i].caption).c_str());
    }
  }
  return looked;
}

}  // namespace

std::vector<OptionSpec> ControlPointOptions() {
  return {
      {"source-pivot", true, "source pivot point X,Y, e.g. --source-pivot 1000,1000"},
      {"source-ref", true, "source reference point X,Y, e.g. --source-ref 1000,2000"},
      {"dest-pivot", true, "destination pivot point X,Y, e.g. --dest-pivot 5000,5000"},
      {"dest-ref", true, "destination reference point X,Y, e.g. --dest-ref 6000,5000"},
      {"reference", true, "reference file of control points, e.g. --reference control.txt"},
      {"points", true, "point numbers SP,SR,DP,DR there, e.g. --points 1,2,,11"},
  };
}

ControlPointsOrExit ControlPointsFromOptions(const CliArguments& parsed, Prompter& prompter,
                                             const ReadOptions& reading) {
  const std::optional<std::string> reference = parsed.Value("reference");
  const std::optional<std::string> numbers = parsed.Value("points");
  if (reference.has_value() != numbers.has_value()) {
    return {{}, ReportUsageError("--reference and --points go together")};
  }
  if (!reference) {
    return TypedCoordinates(parsed);
  }
  if (AnyCoordinateOption(parsed)) {
    return {{}, ReportUsageError("--points cannot be combined with control point coordinates")};
  }
  return LookedUpNumbers(*reference, *numbers, prompter, reading);
}

}  // namespace velkora::cli
