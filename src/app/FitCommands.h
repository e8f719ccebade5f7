// "Use These Factors" of the fit: the fitted factors put into the main window's boxes.
#pragma once

#include <vector>

#include "app/MainForm.h"
#include "app/Session.h"
#include "engine/transform/ControlFit.h"

namespace velkora {

// The source pivot as "Use These Factors" types it: the first pair's source number, the
// fitted pivot in the general form, no description.
ControlPointText FittedPivotOf(const std::vector<ControlPair>& pairs, const ControlFit& fit);

// The fit's factor texts and residual table, kept so that a run can tell whether it uses them.
FittedFactors FittedFactorsOf(const std::vector<ControlPair>& pairs, const ControlFit& fit);

// Fills txtDX, txtDY, txtDR, txtDS and the source pivot (number, X, Y as text, in the forms the
// boxes use), updates ignoreDR/ignoreDS as Calculate does, and keeps the residual table in the
// session so that the next run's report prints it while the boxes still hold the fitted texts.
void UseFitFactors(Session& session, MainForm& form, const std::vector<ControlPair>& pairs,
                   const ControlFit& fit);

}  // namespace velkora
