// The factors from the four control points, in the texts the factor boxes show.
#include "engine/transform/ControlFactors.h"

#include <optional>

#include "engine/points/Decimals.h"
#include "engine/text/AngleText.h"
#include "engine/text/NumberText.h"
#include "engine/transform/TransformFactors.h"

namespace velkora {
namespace {

bool IsGiven(const PlanePoint& point) {
  return point.x > 0 && point.y > 0;
}

// The line from a pivot to a reference point; none when either point is missing.
std::optional<Bearing> LineBetween(const PlanePoint& pivot, const PlanePoint& reference) {
  if (!IsGiven(pivot) || !IsGiven(reference)) {
    return std::nullopt;
  }
  return Inverse(pivot.x, pivot.y, reference.x, reference.y);
}

bool IsZeroLength(const PlanePoint& pivot, const PlanePoint& reference) {
  return IsGiven(pivot) && IsGiven(reference) && pivot.x == reference.x && pivot.y == reference.y;
}

}  // namespace

std::optional<ControlLine> ZeroLengthLine(const ControlPoints& points) {
  if (IsZeroLength(points.sourcePivot, points.sourceReference)) {
    return ControlLine::kSource;
  }
  if (IsZeroLength(points.destPivot, points.destReference)) {
    return ControlLine::kDestination;
  }
  return std::nullopt;
}

FactorTexts ComputeFactorTexts(const ControlPoints& points) {
  FactorTexts texts;
  if (IsGiven(points.sourcePivot) && IsGiven(points.destPivot)) {
    texts.dx = FormatRounded(points.destPivot.x - points.sourcePivot.x, kControlDecimals);
    texts.dy = FormatRounded(points.destPivot.y - points.sourcePivot.y, kControlDecimals);
  }

  const std::optional<Bearing> source = LineBetween(points.sourcePivot, points.sourceReference);
  const std::optional<Bearing> destination = LineBetween(points.destPivot, points.destReference);
  if (source && destination) {
    // A half turn either way is kept as it is.
    double rotation = destination->direction - source->direction;
    if (rotation > ProgramPi) {
      rotation -= TwoPi;
    } else if (rotation < -ProgramPi) {
      rotation += TwoPi;
    }
    texts.angle = FormatAngle(rotation).display;
    if (source->distance > 0) {
      texts.scale = GeneralForm(destination->distance / source->distance);
    }
  }
  return texts;
}

}  // namespace velkora
