// The shift, rotation and scale that carry the source control line (pivot to reference) onto
// the destination line, as the texts of the four factor boxes.
#pragma once

#include <optional>
#include <string>

namespace velkora {

struct PlanePoint {
  double x = 0;
  double y = 0;
};

struct ControlPoints {
  PlanePoint sourcePivot;
  PlanePoint sourceReference;
  PlanePoint destPivot;
  PlanePoint destReference;
};

struct FactorTexts {
  std::string dx;
  std::string dy;
  std::string angle;
  std::string scale;

  bool operator==(const FactorTexts&) const = default;
};

// The shift from the pivots, the angle from the directions and the scale from the lengths of
// the two lines. A point with a coordinate of 0 or less counts as missing (an empty box reads
// as 0), and a factor whose points are missing is left empty.
FactorTexts ComputeFactorTexts(const ControlPoints& points);

enum class ControlLine { kSource, kDestination };

// The first line whose pivot and reference point are both given and lie at the same place (one
// point picked twice, say): it has no direction to turn and no length to scale, so any angle
// from it would be meaningless. None when every line given has a length.
std::optional<ControlLine> ZeroLengthLine(const ControlPoints& points);

}  // namespace velkora
