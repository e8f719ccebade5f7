// The projection options of scale-factor and convert: the CRS, the grid point, the elevation,
// the geoid separation and the direction between grid and ground.
#pragma once

#include <optional>
#include <vector>

#include "app/Prompter.h"
#include "app/RunRequest.h"
#include "cli/CliArguments.h"
#include "engine/points/ControlPointText.h"

namespace velkora::cli {

// --crs, --at, --elevation, --geoid-separation, --grid-to-ground and --ground-to-grid.
std::vector<OptionSpec> ProjectionOptions();

// Whether any of them is given.
bool HasProjectionOptions(const CliArguments& parsed);

// The scale the options give. The grid point is --at, or else `pivot`'s X and Y (convert's
// source pivot; none for scale-factor). `needsDirection`: one of --grid-to-ground and
// --ground-to-grid must be given; otherwise grid to ground unless --ground-to-grid. The exit
// code to end with on a usage error (2) or a scale that cannot be computed (1, its message
// shown through the prompter).
struct ProjectionScaleOrExit {
  std::optional<ProjectionScaleUse> use;
  std::optional<int> exitCode;
};
ProjectionScaleOrExit ProjectionScaleFromOptions(const CliArguments& parsed,
                                                 const ControlPointText* pivot, bool needsDirection,
                                                 Prompter& prompter);

}  // namespace velkora::cli
