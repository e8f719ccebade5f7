// Azimuth and distance, and the move of one point by the run's factors.
#include "engine/transform/TransformFactors.h"

#include <cmath>

#include "engine/text/AngleText.h"

namespace velkora {

Bearing Inverse(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  Bearing bearing;
  if (y2 == y1) {
    // Coincident points also take the westward direction.
    bearing.direction = x2 > x1 ? ProgramPi / 2 : ThreeHalvesPi;
  } else {
    const double a = std::atan(dx / dy);
    if (y2 < y1) {
      bearing.direction = a + ProgramPi;
    } else {
      bearing.direction = x2 < x1 ? a + TwoPi : a;
    }
  }
  bearing.distance = std::sqrt(dx * dx + dy * dy);
  return bearing;
}

MovedPoint TransformFactors::Apply(double x, double y) const {
  if (!doRotate && !doScale) {
    return {deltaX + x, deltaY + y};
  }
  const Bearing fromPivot = Inverse(sourcePivotX, sourcePivotY, x, y);
  const double direction = rotationAngle + fromPivot.direction;
  const double distance = fromPivot.distance;
  return {(distance * std::sin(direction)) * scaleFactor + destPivotX,
          (distance * std::cos(direction)) * scaleFactor + destPivotY};
}

}  // namespace velkora
