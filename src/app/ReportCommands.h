// The report's commands: "To File" and clearing the report.
#pragma once

#include "app/MainForm.h"
#include "app/Prompter.h"
#include "app/Session.h"

namespace velkora {

// The report window's "To File": the save dialog "Select Report File" preset with
// session.reportFileName, then the report appended to the chosen file. Cancelling touches
// nothing; a failure shows the critical file message and keeps reportFileName. True when the
// report was saved.
bool SaveReport(Session& session, Prompter& prompter);

// Empties the report and greys "Clear Report Contents": the report window's Clear and the
// main menu's command.
void ClearReport(Session& session, MainForm& form);

}  // namespace velkora
