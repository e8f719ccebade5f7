// The PROJ calls behind ProjCrs.h, and the workarounds PROJ 9.1 needs (see ProjectionFactors).
#include "engine/geodesy/ProjCrs.h"

#include <proj_experimental.h>

#include <cmath>
#include <numbers>
#include <string_view>

namespace velkora::proj {

namespace {

bool IsProjString(std::string_view text) {
  const auto start = text.find_first_not_of(" \t");
  return start != std::string_view::npos &&
         (text.substr(start, 1) == "+" || text.substr(start, 5) == "proj=");
}

// The projected CRS inside crs, as PROJ holds it.
Object ProjectedPart(PJ_CONTEXT* context, const PJ* crs) {
  switch (proj_get_type(crs)) {
    case PJ_TYPE_PROJECTED_CRS:
      return Object{proj_clone(context, crs)};
    case PJ_TYPE_BOUND_CRS:  // a PROJ string with +towgs84 gives one
      return ProjectedPart(context, Object{proj_get_source_crs(context, crs)}.get());
    case PJ_TYPE_COMPOUND_CRS:
      return ProjectedPart(context, Object{proj_crs_get_sub_crs(context, crs, 0)}.get());
    default:
      return nullptr;
  }
}

struct AxisUnit {
  std::string name;
  double factor = 0;  // to the SI unit: metres, or radians for an angle
};

std::optional<AxisUnit> FirstAxisUnit(PJ_CONTEXT* context, const PJ* crs) {
  const Object system{proj_crs_get_coordinate_system(context, crs)};
  double factor = 0;
  const char* name = nullptr;
  if (!system || !proj_cs_get_axis_info(context, system.get(), 0, nullptr, nullptr, nullptr,
                                        &factor, &name, nullptr, nullptr)) {
    return std::nullopt;
  }
  return AxisUnit{name ? name : "", factor};
}

bool IsFinite(const PJ_COORD& coordinate) {
  return std::isfinite(coordinate.xy.x) && std::isfinite(coordinate.xy.y);
}

}  // namespace

Context OpenQuietContext() {
  Context context{proj_context_create()};
  proj_log_level(context.get(), PJ_LOG_NONE);
  return context;
}

Object CreateCrs(PJ_CONTEXT* context, const std::string& text) {
  const bool needsType = IsProjString(text) && text.find("type=crs") == std::string::npos;
  return Object{proj_create(context, needsType ? (text + " +type=crs").c_str() : text.c_str())};
}

Object HorizontalGrid(PJ_CONTEXT* context, const PJ* crs) {
  const Object projected = ProjectedPart(context, crs);
  return projected ? Object{proj_normalize_for_visualization(context, projected.get())} : nullptr;
}

std::optional<LinearUnit> GridUnit(PJ_CONTEXT* context, const PJ* grid) {
  const auto unit = FirstAxisUnit(context, grid);
  if (!unit || !(unit->factor > 0)) {
    return std::nullopt;
  }
  return LinearUnit{unit->name, unit->factor};
}

std::optional<GeographicBox> AreaOfUse(PJ_CONTEXT* context, const PJ* crs) {
  GeographicBox box;
  if (!proj_get_area_of_use(context, crs, &box.west, &box.south, &box.east, &box.north,
                            nullptr) ||
      box.west == -1000) {  // PROJ's mark for an unknown extent
    return std::nullopt;
  }
  return box;
}

std::optional<GeographicPoint> GridToGeographic(PJ_CONTEXT* context, const PJ* grid, double x,
                                                double y) {
  const Object geographic{proj_crs_get_geodetic_crs(context, grid)};
  const Object inverse{
      proj_create_crs_to_crs_from_pj(context, grid, geographic.get(), nullptr, nullptr)};
  const Object lonLatOrder{inverse ? proj_normalize_for_visualization(context, inverse.get())
                                   : nullptr};
  const auto angleUnit = geographic ? FirstAxisUnit(context, geographic.get()) : std::nullopt;
  if (!lonLatOrder || !angleUnit || !(angleUnit->factor > 0)) {
    return std::nullopt;
  }
  const PJ_COORD result = proj_trans(lonLatOrder.get(), PJ_FWD, proj_coord(x, y, 0, 0));
  if (!IsFinite(result)) {
    return std::nullopt;
  }
  // The geographic CRS may count in grads; the caller wants degrees.
  const double toDegrees = angleUnit->factor * 180 / std::numbers::pi;
  return GeographicPoint{result.lp.lam * toDegrees, result.lp.phi * toDegrees};
}

std::optional<PJ_FACTORS> ProjectionFactors(PJ_CONTEXT* context, const PJ* grid,
                                            GeographicPoint point) {
  // PROJ 9.1's proj_factors gives nonsense without an error for a projected CRS whose unit is
  // not the metre (EPSG:2227: a "scale" of 2.09E+07) or whose axes are northing first: ask it
  // about a metre copy of the easting-first grid, whose map projection is the same.
  const Object metric{proj_crs_alter_cs_linear_unit(context, grid, "metre", 1.0, "EPSG", "9001")};
  if (!metric) {
    return std::nullopt;
  }
  constexpr double kRadiansPerDegree = std::numbers::pi / 180;
  const PJ_FACTORS factors = proj_factors(
      metric.get(),
      proj_coord(point.longitude * kRadiansPerDegree, point.latitude * kRadiansPerDegree, 0, 0));
  if (proj_errno(metric.get()) != 0 || !std::isfinite(factors.parallel_scale) ||
      !std::isfinite(factors.meridian_convergence)) {
    return std::nullopt;
  }
  return factors;
}

std::optional<EllipsoidAxes> GridEllipsoid(PJ_CONTEXT* context, const PJ* grid) {
  const Object ellipsoid{proj_get_ellipsoid(context, grid)};
  EllipsoidAxes axes;
  if (!ellipsoid || !proj_ellipsoid_get_parameters(context, ellipsoid.get(), &axes.semiMajor,
                                                   &axes.semiMinor, nullptr, nullptr)) {
    return std::nullopt;
  }
  return axes;
}

}  // namespace velkora::proj
