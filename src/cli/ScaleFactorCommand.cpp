// velkora-cli scale-factor: the grid scale factor, elevation factor, combined factor and
// convergence of a projection at a grid point, one "name: value" line each, and the scale that
// carries a file between grid and ground there.
#include <cstdio>
#include <string>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/ProjectionOptions.h"
#include "cli/StderrPrompter.h"

namespace velkora::cli {

namespace {

CommandSpec ScaleFactorSpec() {
  return CommandSpec{
      .name = "scale-factor",
      .usage = "",
      .summary =
          "Computes through PROJ the factors of a projected coordinate reference system at a\n"
          "grid point and prints them one \"name: value\" line each: crs, unit, latitude,\n"
          "longitude, grid scale factor, elevation factor, combined factor, convergence and\n"
          "scale, the value for the scale box (grid to ground: 1 / combined factor; ground\n"
          "to grid: the combined factor).",
      .details =
          "The point, the elevation and the geoid separation are in the CRS's own unit.\n"
          "Latitude, longitude and convergence are in decimal degrees, the convergence\n"
          "positive where grid north lies east of true north. The elevation factor is\n"
          "R / (R + h), h the elevation plus the geoid separation and R the ellipsoid's\n"
          "mean radius of curvature at the point. Example:\n"
          "  velkora-cli scale-factor --crs EPSG:2227 --at 6229522.73,1948852.78 \\\n"
          "      --elevation 4245.17 --geoid-separation -103.58\n"
          "Exit status: 0 when the figures were printed, 1 when the CRS is refused (unknown,\n"
          "not projected, not conformal) or the point lies outside its area of use, 2 on a\n"
          "usage error.\n",
      .options = ProjectionOptions(),
      .minPositionals = 0,
      .maxPositionals = 0,
  };
}

}  // namespace

int RunScaleFactorCommand(const CommandArguments& args) {
  CliArguments parsed;
  if (const std::optional<int> exitCode = ParseCommandLine(ScaleFactorSpec(), args, parsed)) {
    return *exitCode;
  }
  StderrPrompter prompter;
  const ProjectionScaleOrExit computed =
      ProjectionScaleFromOptions(parsed, nullptr, false, prompter);
  if (computed.exitCode) {
    return *computed.exitCode;
  }
  const std::string text = ProjectionFigureLines(computed.use->scale, computed.use->direction);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

}  // namespace velkora::cli
