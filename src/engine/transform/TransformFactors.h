// The transformation of a run: a shift, a rotation about the source pivot and a scale about it,
// and a vertical shift, applied to one point at a time; and the azimuth and distance between
// two points.
#pragma once

namespace velkora {

// Azimuth (radians from +Y clockwise, in [0, 2 pi)) and distance from one point to another.
struct Bearing {
  double direction = 0;
  double distance = 0;
};
Bearing Inverse(double x1, double y1, double x2, double y2);

struct MovedPoint {
  double x = 0;
  double y = 0;
};

struct TransformFactors {
  double deltaX = 0;
  double deltaY = 0;
  double rotationAngle = 0;  // radians, clockwise positive
  double scaleFactor = 1;
  double sourcePivotX = 0;
  double sourcePivotY = 0;
  double destPivotX = 0;  // the source pivot moved by the shift
  double destPivotY = 0;
  bool hasPivot = false;
  bool doTranslate = false;
  bool doRotate = false;
  bool doScale = false;
  double deltaZ = 0;  // added to every elevation that is written: see ShiftElevation

  // Where the point (x, y) goes. With a rotation or a scale the point is carried by its
  // azimuth and distance from the source pivot to the destination pivot, which brings in the
  // shift; otherwise it is only shifted.
  MovedPoint Apply(double x, double y) const;
};

// An elevation moved by a vertical shift. Readers give 0 for a missing elevation and the
// writers leave 0 out, so 0 stays 0: a point without an elevation does not gain one.
inline double ShiftElevation(double elevation, double deltaZ) {
  return elevation == 0 ? 0 : elevation + deltaZ;
}

}  // namespace velkora
