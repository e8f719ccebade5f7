// The scale a survey office applies between grid and ground coordinates: a projection's grid
// scale factor at a point times the elevation factor there. Computed through PROJ.
#pragma once

#include <optional>
#include <string>

namespace velkora {

// A point of a projected coordinate reference system. crs is an authority code
// ("EPSG:2227"), a PROJ string ("+proj=utm +zone=17 +ellps=GRS80"; read as a CRS) or WKT. A
// compound CRS is taken by its projected horizontal part. x and y are the grid coordinates
// in the CRS's own directions, easting-like first whatever the CRS's axis order; elevation
// (orthometric) and geoid separation (ellipsoid minus geoid) are in the same linear unit.
struct ProjectionScaleRequest {
  std::string crs;
  double x = 0;
  double y = 0;
  double elevation = 0;
  double geoidSeparation = 0;
};

struct ProjectionScale {
  std::string crsName;   // from PROJ's database; "unknown" for a PROJ string
  std::string unitName;  // the grid's linear unit ("US survey foot")
  double unitToMetre = 1;
  double latitude = 0;   // degrees, of the grid point on the CRS's own datum
  double longitude = 0;  // degrees, east positive
  // k, the projection's point scale along the parallel (PROJ's parallel_scale). Only
  // conformal projections are accepted, where it equals the meridian scale h.
  double gridScaleFactor = 1;
  // R / (R + h): h = elevation + geoid separation, R = sqrt(M N), the ellipsoid's Gaussian
  // mean radius of curvature at the point's latitude.
  double elevationFactor = 1;
  double combinedFactor = 1;  // grid scale factor x elevation factor: ground x this = grid
  // The meridian convergence in degrees: the angle from true north to grid north, positive
  // when grid north lies east of true north (east of the central meridian in the northern
  // hemisphere, west of it in the southern). Grid azimuth = geodetic azimuth - convergence
  // (before the arc-to-chord correction).
  double convergence = 0;
};

// Either a scale, or a one-line error saying why none can be given.
struct ProjectionScaleOutcome {
  std::optional<ProjectionScale> scale;
  std::string error;
};

// Refuses an unknown CRS text, a CRS without a projected horizontal part, a projection that
// is not conformal, a point beyond the CRS's area of use (with a margin of
// kAreaOfUseMarginDegrees), and inputs that are not finite. Safe to call from any thread:
// each call works in its own PROJ context. Independent of the process locale.
ProjectionScaleOutcome ComputeProjectionScale(const ProjectionScaleRequest& request);

// A CRS's name and linear unit from PROJ's database, or the message ComputeProjectionScale
// would refuse it with; for showing what a typed code names before a point is given.
struct CrsDescription {
  std::string name;
  std::string unitName;
  std::string error;  // empty when the CRS is a projected one
};
CrsDescription DescribeCrs(const std::string& crs);

// How far beyond the CRS's published area of use (a latitude-longitude box) a point may lie.
inline constexpr double kAreaOfUseMarginDegrees = 0.1;

// The largest |elevation + geoid separation|, in metres, taken as a height on the earth.
inline constexpr double kLargestHeightMetres = 100000;

}  // namespace velkora
