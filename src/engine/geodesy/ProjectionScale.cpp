// ComputeProjectionScale: the CRS, the point's latitude and longitude, then PROJ's factors
// and the elevation factor, each step refusing with its own message.
#include "engine/geodesy/ProjectionScale.h"

#include <cmath>
#include <numbers>

#include "engine/geodesy/ElevationFactor.h"
#include "engine/geodesy/ProjCrs.h"
#include "engine/text/NumberText.h"

namespace velkora {

namespace {

// Conformal projections report an angular distortion of about 1E-8 rad from PROJ's numerical
// derivatives; Web Mercator, which is not conformal on the ellipsoid, about 3E-3.
constexpr double kLargestConformalDistortion = 1e-6;

std::string Decimal(double value) {
  return FixedForm(value, 6);
}

bool InputsAreFinite(const ProjectionScaleRequest& request) {
  return std::isfinite(request.x) && std::isfinite(request.y) && std::isfinite(request.elevation) &&
         std::isfinite(request.geoidSeparation);
}

bool WithinMargin(double value, double low, double high) {
  return value >= low - kAreaOfUseMarginDegrees && value <= high + kAreaOfUseMarginDegrees;
}

bool Contains(const proj::GeographicBox& box, double longitude, double latitude) {
  const bool crossesAntimeridian = box.west > box.east;
  const bool longitudeInside = crossesAntimeridian ? WithinMargin(longitude, box.west, 180) ||
                                                         WithinMargin(longitude, -180, box.east)
                                                   : WithinMargin(longitude, box.west, box.east);
  return longitudeInside && WithinMargin(latitude, box.south, box.north);
}

// Each step fills its part of the scale, or says why it cannot: an empty text is success.
using StepError = std::string;

StepError ReadGrid(PJ_CONTEXT* context, const std::string& text, proj::Object& crs,
                   proj::Object& grid, ProjectionScale& scale) {
  if (text.find_first_not_of(" \t") == std::string::npos) {
    return "no coordinate reference system given";
  }
  crs = proj::CreateCrs(context, text);
  if (!crs) {
    return "unknown coordinate reference system: " + text;
  }
  const char* name = proj_get_name(crs.get());
  scale.crsName = name ? name : "unknown";
  grid = proj::HorizontalGrid(context, crs.get());
  if (!grid) {
    return text + " (" + scale.crsName + ") is not a projected coordinate reference system";
  }
  const auto unit = proj::GridUnit(context, grid.get());
  if (!unit) {
    return scale.crsName + " has no linear unit";
  }
  scale.unitName = unit->name;
  scale.unitToMetre = unit->toMetre;
  return {};
}

StepError LocatePoint(PJ_CONTEXT* context, const PJ* crs, const PJ* grid,
                      const ProjectionScaleRequest& request, ProjectionScale& scale) {
  const auto point = proj::GridToGeographic(context, grid, request.x, request.y);
  if (!point) {
    return "the point " + Decimal(request.x) + ", " + Decimal(request.y) +
           " has no latitude and longitude in " + request.crs;
  }
  scale.latitude = point->latitude;
  scale.longitude = point->longitude;
  auto box = proj::AreaOfUse(context, crs);
  if (!box) {
    box = proj::AreaOfUse(context, grid);
  }
  if (box && !Contains(*box, point->longitude, point->latitude)) {
    return "the point at latitude " + Decimal(point->latitude) + ", longitude " +
           Decimal(point->longitude) + " lies outside the area of use of " + scale.crsName;
  }
  return {};
}

StepError ApplyProjectionFactors(PJ_CONTEXT* context, const PJ* grid, ProjectionScale& scale) {
  const auto factors = proj::ProjectionFactors(context, grid, {scale.longitude, scale.latitude});
  if (!factors) {
    return "PROJ gives no scale factor for " + scale.crsName + " at latitude " +
           Decimal(scale.latitude) + ", longitude " + Decimal(scale.longitude);
  }
  if (factors->angular_distortion > kLargestConformalDistortion) {
    return scale.crsName + " is not a conformal projection: its scale differs with direction";
  }
  scale.gridScaleFactor = factors->parallel_scale;
  scale.convergence = factors->meridian_convergence * 180 / std::numbers::pi;
  return {};
}

StepError ApplyElevation(PJ_CONTEXT* context, const PJ* grid, const ProjectionScaleRequest& request,
                         ProjectionScale& scale) {
  const double heightMetres = (request.elevation + request.geoidSeparation) * scale.unitToMetre;
  if (std::abs(heightMetres) > kLargestHeightMetres) {
    return "an elevation plus geoid separation of " + Decimal(heightMetres) +
           " m is not a height on the earth";
  }
  const auto axes = proj::GridEllipsoid(context, grid);
  if (!axes) {
    return scale.crsName + " has no ellipsoid";
  }
  const double radius = GaussianMeanRadius(axes->semiMajor, axes->semiMinor, scale.latitude);
  scale.elevationFactor = ElevationFactor(radius, heightMetres);
  scale.combinedFactor = scale.gridScaleFactor * scale.elevationFactor;
  return {};
}

ProjectionScaleOutcome Refusal(std::string error) {
  return {std::nullopt, std::move(error)};
}

}  // namespace

CrsDescription DescribeCrs(const std::string& crs) {
  const proj::Context context = proj::OpenQuietContext();
  proj::Object whole;
  proj::Object grid;
  ProjectionScale scale;
  const StepError error = ReadGrid(context.get(), crs, whole, grid, scale);
  if (!error.empty()) {
    return {{}, {}, error};
  }
  return {scale.crsName, scale.unitName, {}};
}

ProjectionScaleOutcome ComputeProjectionScale(const ProjectionScaleRequest& request) {
  if (!InputsAreFinite(request)) {
    return Refusal("the grid point, elevation and geoid separation must be finite numbers");
  }
  const proj::Context context = proj::OpenQuietContext();
  proj::Object crs;
  proj::Object grid;
  ProjectionScale scale;
  StepError error = ReadGrid(context.get(), request.crs, crs, grid, scale);
  if (error.empty()) {
    error = LocatePoint(context.get(), crs.get(), grid.get(), request, scale);
  }
  if (error.empty()) {
    error = ApplyProjectionFactors(context.get(), grid.get(), scale);
  }
  if (error.empty()) {
    error = ApplyElevation(context.get(), grid.get(), request, scale);
  }
  return error.empty() ? ProjectionScaleOutcome{scale, {}} : Refusal(std::move(error));
}

}  // namespace velkora
