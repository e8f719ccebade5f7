// The Gaussian mean radius and the elevation factor.
#include "engine/geodesy/ElevationFactor.h"

#include <cmath>
#include <numbers>

namespace velkora {

double GaussianMeanRadius(double semiMajorAxis, double semiMinorAxis, double latitudeDegrees) {
  // M = a (1 - e^2) / W^3 and N = a / W with W^2 = 1 - e^2 sin^2(lat), so
  // sqrt(M N) = a sqrt(1 - e^2) / W^2 = b / W^2.
  const double eccentricitySquared =
      1 - (semiMinorAxis * semiMinorAxis) / (semiMajorAxis * semiMajorAxis);
  const double sine = std::sin(latitudeDegrees * std::numbers::pi / 180);
  return semiMinorAxis / (1 - eccentricitySquared * sine * sine);
}

double ElevationFactor(double meanRadius, double ellipsoidHeight) {
  return meanRadius / (meanRadius + ellipsoidHeight);
}

}  // namespace velkora
