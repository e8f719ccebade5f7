// Shift, rotation and scale: computed from the control points, applied to each point.
#include "transform/Factors.h"

#include <cmath>
#include <optional>

#include "session/TextColumns.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

struct ControlLine {
  double azimuth;
  double distance;
};

// The line from a pivot to a reference point; none when a coordinate is 0 or negative,
// since an empty box reads as 0.
std::optional<ControlLine> LineBetween(SessionState& session, double pivotX, double pivotY,
                                       double referenceX, double referenceY) {
  if (pivotX <= 0 || pivotY <= 0 || referenceX <= 0 || referenceY <= 0) {
    return std::nullopt;
  }
  Inverse(session, pivotX, pivotY, referenceX, referenceY);
  return ControlLine{session.inverseDirection, session.inverseDistance};
}

}  // namespace

void Inverse(SessionState& session, double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  if (y2 == y1) {
    // Coincident points also take the westward direction.
    session.inverseDirection = x2 > x1 ? ProgramPi / 2 : ThreeHalvesPi;
  } else {
    const double a = std::atan(dx / dy);
    if (y2 < y1) {
      session.inverseDirection = a + ProgramPi;
    } else {
      session.inverseDirection = x2 < x1 ? a + TwoPi : a;
    }
  }
  session.inverseDistance = std::sqrt(dx * dx + dy * dy);
}

void ComputeFactors(SessionState& session, MainForm& form) {
  const double spx = ReadNumber(form.SPPX.text);
  const double spy = ReadNumber(form.SPPY.text);
  const double srx = ReadNumber(form.SRPX.text);
  const double sry = ReadNumber(form.SRPY.text);
  const double dpx = ReadNumber(form.DPPX.text);
  const double dpy = ReadNumber(form.DPPY.text);
  const double drx = ReadNumber(form.DRPX.text);
  const double dry = ReadNumber(form.DRPY.text);

  if (spx <= 0 || spy <= 0 || dpx <= 0 || dpy <= 0) {
    form.txtDX.text.clear();
    form.txtDY.text.clear();
  } else {
    form.txtDX.text = FormatRounded(dpx - spx, session.controlDecimals);
    form.txtDY.text = FormatRounded(dpy - spy, session.controlDecimals);
  }

  const std::optional<ControlLine> source = LineBetween(session, spx, spy, srx, sry);
  const std::optional<ControlLine> destination = LineBetween(session, dpx, dpy, drx, dry);

  if (!source || !destination) {
    form.txtDR.text.clear();
  } else {
    // A half turn either way is kept as it is.
    double rotation = destination->azimuth - source->azimuth;
    if (rotation > ProgramPi) {
      rotation -= TwoPi;
    } else if (rotation < -ProgramPi) {
      rotation += TwoPi;
    }
    form.txtDR.text = FormatAngle(session, rotation);
  }

  if (!source || source->distance <= 0 || !destination) {
    form.txtDS.text.clear();
  } else {
    form.txtDS.text = FormatRounded(destination->distance / source->distance, kGeneralForm);
  }

  RotationTextChanged(form);
  ScaleTextChanged(form);
}

void RotationTextChanged(MainForm& form) {
  form.ignoreDR.enabled = !Trim(form.txtDR.text).empty();
}

void ScaleTextChanged(MainForm& form) {
  form.ignoreDS.enabled = !Trim(form.txtDS.text).empty();
}

void TransformPoint(SessionState& session) {
  PointRecord& point = session.point;
  if (session.doRotate || session.doScale) {
    // The translation enters through the destination pivot.
    Inverse(session, session.sourcePivotX, session.sourcePivotY, point.x, point.y);
    const double direction = session.rotationAngle + session.inverseDirection;
    const double distance = session.inverseDistance;
    point.newX = (distance * std::sin(direction)) * session.scaleFactor + session.destPivotX;
    point.newY = (distance * std::cos(direction)) * session.scaleFactor + session.destPivotY;
  } else {
    point.newX = session.deltaX + point.x;
    point.newY = session.deltaY + point.y;
  }
}

}  // namespace velkora
