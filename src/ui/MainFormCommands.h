// The main window's own handlers, over the plain form model: loading and "Clear All".
#pragma once

#include "session/MainForm.h"
#include "session/SessionState.h"

namespace velkora {

// Form_Load: the input list's Clear hidden, its menu entry and "Clear Report Contents"
// greyed, "Suppress Zero Elevations" checked and the suppression turned on.
void FormLoad(SessionState& session, MainForm& form);

// btnClr and mnuFilClr: empties the file names, the input list, the control points with their
// descriptions, the factor boxes, the output format choice and the report. The job header,
// the suppression choice and the reference points stay as they are.
void ClearAll(SessionState& session, MainForm& form);

}  // namespace velkora
