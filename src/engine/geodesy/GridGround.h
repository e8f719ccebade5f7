// Grid and ground: which way a projection's combined factor scales a file, and the figures of
// a projection scale as the command line, the dialog and the report show them.
#pragma once

#include <string>

#include "engine/geodesy/ProjectionScale.h"

namespace velkora {

// Grid distances are ground distances times the combined factor, so grid to ground divides by
// it and ground to grid multiplies by it.
enum class GridDirection { kGridToGround, kGroundToGrid };

GridDirection Reversed(GridDirection direction);

// The scale about the pivot that carries a file in the direction given.
double ScaleFactorFor(const ProjectionScale& scale, GridDirection direction);

// That scale as the scale box takes it: the general form, as Calculate fills the box.
std::string ScaleBoxText(const ProjectionScale& scale, GridDirection direction);

// Every figure as a "name: value" line ending in a line feed, for scripts to read: "crs"
// (PROJ's name), "unit", "latitude" and "longitude" (decimal degrees, 9 decimals), "grid scale
// factor", "elevation factor" and "combined factor" (10 decimals), "convergence" (decimal
// degrees, 9 decimals) and "scale" (the scale box's text for the direction).
std::string ProjectionFigureLines(const ProjectionScale& scale, GridDirection direction);

// The report's block on a scale taken from a projection: the CRS as given with its name, the
// grid point, the elevation and geoid separation, the latitude and longitude, each factor, the
// convergence and the direction. 80 columns at most, each line ending in CR LF, a blank line
// first.
std::string ProjectionReportBlock(const ProjectionScaleRequest& request,
                                  const ProjectionScale& scale, GridDirection direction);

}  // namespace velkora
