// "Reverse Factors": the boxes replaced by the factors that undo them, so that a file converted
// and then converted again with the reversed boxes comes back to its coordinates.
#pragma once

#include <optional>

#include "app/MainForm.h"
#include "app/Prompter.h"
#include "app/RunChecks.h"
#include "app/Session.h"

namespace velkora {

// Reverses the request's boxes: source and destination control points swap, the source pivot
// moves to where the old one landed (the old pivot plus the shift), the shifts change sign,
// the angle changes sign, the scale becomes its reciprocal and the vertical shift changes sign.
// A box that is empty or reads 0 stays as it is; "No Rotation" and "No Scaling" keep their
// ticks. Refused, with nothing changed, when a box cannot be read, as a run would be.
std::optional<RunRefusal> ReverseFactorBoxes(RunRequest& request);

// The projection scale in use turned the other way when the reversal replaced its scale (grid
// to ground becomes ground to grid), so that the report goes on describing it.
void ReverseProjectionScale(ProjectionScaleUse& used, const RunRequest& before,
                            const RunRequest& after);

// The Report menu's "Reverse Factors" over the main window: the boxes reversed, or the
// refusal shown and the focus moved to the box at fault.
void ReverseFactors(Session& session, MainForm& form, Prompter& prompter);

}  // namespace velkora
