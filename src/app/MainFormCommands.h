// The main window's own handlers, over the plain form model: loading and "Clear All".
#pragma once

#include "app/MainForm.h"
#include "app/Session.h"

namespace velkora {

// Form_Load: the input list's Clear hidden, its menu entry and "Clear Report Contents" greyed,
// "Suppress Zero Elevations" checked.
void FormLoad(MainForm& form);

// btnClr and mnuFilClr: empties the file names, the input list, the control points with their
// descriptions, the factor boxes, the output format choice and the report. The job header,
// the suppression choice and the reference points stay as they are.
void ClearAll(Session& session, MainForm& form);

}  // namespace velkora
