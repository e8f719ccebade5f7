// The report's commands: "To File" and clearing the report.
#pragma once

#include "app/MainForm.h"
#include "app/Prompter.h"
#include "app/Session.h"

namespace velkora {

// The report window's "To File": the save dialog "Select Report File" preset with
// session.reportFileName, then the report appended to the chosen file. Cancelling touches
// nothing; a failure shows the critical file message and keeps reportFileName. True when the
// report was saved; it then counts as saved.
bool SaveReport(Session& session, Prompter& prompter);

// Empties the report and greys "Clear Report Contents": the report window's Clear and the
// main menu's command.
void ClearReport(Session& session, MainForm& form);

// The report was printed: it is kept on paper, and ending the program loses nothing.
void ReportPrinted(Session& session);

inline constexpr const char* kUnsavedReportText =
    "The report holds runs that were neither saved nor printed.\r\nExit and lose them?";
inline constexpr const char* kUnsavedReportTitle = "Exit Velkora";

// Exit, Esc and closing the main window: true at once when every run of the report was saved,
// printed or cleared; otherwise the user is asked, and only Yes ends the program.
bool MayExit(const Session& session, Prompter& prompter);

}  // namespace velkora
