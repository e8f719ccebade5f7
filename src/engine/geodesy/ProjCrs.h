// Owning handles for PROJ objects and the few questions the scale computation asks PROJ
// about a CRS. Private to the geodesy module: only ProjectionScale.cpp includes it.
#pragma once

#include <proj.h>

#include <memory>
#include <optional>
#include <string>

namespace velkora::proj {

struct ContextDeleter {
  void operator()(PJ_CONTEXT* context) const { proj_context_destroy(context); }
};
struct ObjectDeleter {
  void operator()(PJ* object) const { proj_destroy(object); }
};
// Objects must go before the context they were made in: declare the context first.
using Context = std::unique_ptr<PJ_CONTEXT, ContextDeleter>;
using Object = std::unique_ptr<PJ, ObjectDeleter>;

// A context of its own for one computation, with PROJ's logging to stderr turned off.
Context OpenQuietContext();

// The CRS a text names; a PROJ string without "+type=crs" is read as one. Null when PROJ
// knows no such CRS.
Object CreateCrs(PJ_CONTEXT* context, const std::string& text);

// The projected CRS inside crs (itself, the base of a bound CRS, or the horizontal part of a
// compound one), with its axes in easting-northing order. Null when there is none.
Object HorizontalGrid(PJ_CONTEXT* context, const PJ* crs);

struct LinearUnit {
  std::string name;
  double toMetre = 1;
};
std::optional<LinearUnit> GridUnit(PJ_CONTEXT* context, const PJ* grid);

struct GeographicBox {
  double west = 0, south = 0, east = 0, north = 0;  // degrees; west > east across 180°
};
std::optional<GeographicBox> AreaOfUse(PJ_CONTEXT* context, const PJ* crs);

struct GeographicPoint {
  double longitude = 0, latitude = 0;  // degrees
};
// The inverse projection of a grid point onto the grid's own geographic CRS.
std::optional<GeographicPoint> GridToGeographic(PJ_CONTEXT* context, const PJ* grid, double x,
                                                double y);

// PROJ's scale factors and convergence of the grid's map projection at a point.
std::optional<PJ_FACTORS> ProjectionFactors(PJ_CONTEXT* context, const PJ* grid,
                                            GeographicPoint point);

struct EllipsoidAxes {
  double semiMajor = 0, semiMinor = 0;  // metres
};
std::optional<EllipsoidAxes> GridEllipsoid(PJ_CONTEXT* context, const PJ* grid);

}  // namespace velkora::proj
