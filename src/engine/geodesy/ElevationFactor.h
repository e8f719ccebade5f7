// The elevation factor: how much a distance measured on the ground shrinks when it is
// brought down to the ellipsoid. Plain arithmetic, no PROJ.
#pragma once

namespace velkora {

// sqrt(M N), the Gaussian mean radius of curvature at a latitude (degrees), of the ellipsoid
// with the given semi-axes (any one length unit; the radius comes back in it).
double GaussianMeanRadius(double semiMajorAxis, double semiMinorAxis, double latitudeDegrees);

// R / (R + h) for a height h above the ellipsoid, both in the same unit.
double ElevationFactor(double meanRadius, double ellipsoidHeight);

}  // namespace velkora
