// The transformation factors: azimuth and distance between two points, the computation of
// the shift, rotation and scale from the four control points, and the move of one point.
#pragma once

#include "session/MainForm.h"
#include "session/SessionState.h"

namespace velkora {

// Azimuth (radians from +Y clockwise, in [0, 2 pi)) and distance from point 1 to point 2,
// left in session.inverseDirection and session.inverseDistance.
void Inverse(SessionState& session, double x1, double y1, double x2, double y2);

// The click of compDeltas: fills txtDX and txtDY from the pivots, txtDR from the directions
// and txtDS from the lengths of the source and destination lines; a part whose control points
// are missing is left empty. Then updates ignoreDR and ignoreDS.
void ComputeFactors(SessionState& session, MainForm& form);

// ignoreDR (ignoreDS) may be used only while txtDR (txtDS) holds text; its check is kept.
void RotationTextChanged(MainForm& form);
void ScaleTextChanged(MainForm& form);

// Sets session.point.newX and newY from session.point.x and y by the run's factors.
void TransformPoint(SessionState& session);

}  // namespace velkora
