// The projection options read into the dialog's boxes, and the scale computed as the dialog
// computes it.
#include "cli/ProjectionOptions.h"

#include <string>

#include "app/ProjectionScaleCommands.h"
#include "cli/ControlPointOptions.h"
#include "engine/text/TextColumns.h"

namespace velkora::cli {

namespace {

constexpr const char* kGridToGround = "grid-to-ground";
constexpr const char* kGroundToGrid = "ground-to-grid";

std::optional<int> ReadDirection(const CliArguments& parsed, bool needsDirection,
                                 GridDirection& direction) {
  const bool toGround = parsed.HasFlag(kGridToGround);
  const bool toGrid = parsed.HasFlag(kGroundToGrid);
  if (toGround && toGrid) {
    return ReportUsageError("--grid-to-ground and --ground-to-grid cannot be combined");
  }
  if (needsDirection && !toGround && !toGrid) {
    return ReportUsageError("--crs needs --grid-to-ground or --ground-to-grid");
  }
  direction = toGrid ? GridDirection::kGroundToGrid : GridDirection::kGridToGround;
  return std::nullopt;
}

// The grid point from --at, or else the pivot's boxes when they hold something.
std::optional<int> ReadGridPoint(const CliArguments& parsed, const ControlPointText* pivot,
                                 ProjectionScaleBoxes& boxes) {
  if (const std::optional<std::string> at = parsed.Value("at")) {
    const std::optional<std::vector<std::string>> xy = SplitAtCommas(*at, 2);
    if (!xy) {
      return ReportUsageError("--at needs X,Y, not '" + *at + "'");
    }
    boxes.x = (*xy)[0];
    boxes.y = (*xy)[1];
    return std::nullopt;
  }
  if (pivot == nullptr || (Trim(pivot->x).empty() && Trim(pivot->y).empty())) {
    return ReportUsageError(pivot == nullptr ? "--crs needs --at X,Y"
                                             : "--crs needs --at X,Y or a source pivot");
  }
  boxes.x = pivot->x;
  boxes.y = pivot->y;
  return std::nullopt;
}

}  // namespace

std::vector<OptionSpec> ProjectionOptions() {
  return {
      {"crs", true, "projected coordinate reference system, e.g. --crs EPSG:2227"},
      {"at", true, "grid point X,Y of the factors, e.g. --at 6229522.73,1948852.78"},
      {"elevation", true, "elevation there, in the CRS's unit, e.g. --elevation 4245.17"},
      {"geoid-separation", true, "geoid height there, e.g. --geoid-separation -103.58"},
      {kGridToGround, false, "scale grid coordinates to ground: scale = 1 / combined factor"},
      {kGroundToGrid, false, "scale ground coordinates to grid: scale = combined factor"},
  };
}

bool HasProjectionOptions(const CliArguments& parsed) {
  for (const OptionSpec& option : ProjectionOptions()) {
    if (parsed.Value(option.name) || parsed.HasFlag(option.name)) {
      return true;
    }
  }
  return false;
}

ProjectionScaleOrExit ProjectionScaleFromOptions(const CliArguments& parsed,
                                                 const ControlPointText* pivot, bool needsDirection,
                                                 Prompter& prompter) {
  ProjectionScaleBoxes boxes;
  const std::optional<std::string> crs = parsed.Value("crs");
  if (!crs) {
    return {std::nullopt, ReportUsageError("the projection options need --crs CODE")};
  }
  boxes.crs = *crs;
  boxes.elevation = parsed.Value("elevation").value_or("");
  boxes.geoidSeparation = parsed.Value("geoid-separation").value_or("");
  if (std::optional<int> exitCode = ReadDirection(parsed, needsDirection, boxes.direction)) {
    return {std::nullopt, exitCode};
  }
  if (std::optional<int> exitCode = ReadGridPoint(parsed, pivot, boxes)) {
    return {std::nullopt, exitCode};
  }
  ProjectionScaleResult result = ComputeScaleFromProjection(boxes);
  if (!result.use) {
    prompter.ShowMessage(Message{result.error, MessageIcon::kExclamation, MessageButtons::kOk,
                                 kProjectionDialogTitle});
    return {std::nullopt, 1};
  }
  return {std::move(result.use), std::nullopt};
}

}  // namespace velkora::cli
