// The input-file list of the main window: adding, refusing and emptying.
#pragma once

#include <string>
#include <vector>

#include "session/MainForm.h"
#include "session/Prompter.h"
#include "session/SessionState.h"

namespace velkora {

// Adds session.curFileName to loadedFiles, or refuses it with a message (none while
// session.loadingFromCommandLine is set).
void AddInputFile(SessionState& session, MainForm& form, Prompter& prompter);

// Empties the list and returns its controls to their empty state.
void ResetFileList(SessionState& session, MainForm& form);

// btnAdd and mnuFileAdd: the open-file dialog, then AddInputFile.
void AddFileByDialog(SessionState& session, MainForm& form, Prompter& prompter);

// Files dropped on btnAdd or loadedFiles, first to last.
void AddDroppedFiles(SessionState& session, MainForm& form, Prompter& prompter,
                     const std::vector<std::string>& paths);

// Key down in loadedFiles: Backspace (8) and Delete (46) empty the whole list.
void LoadedFilesKeyDown(SessionState& session, MainForm& form, int keyCode);

// Today's local date as two-digit month, day and year ("120526" for 5 December 2026).
std::string TodayAsMmddyy();

// The report file proposed for an input file: its folder, the platform's separator,
// "Velkora", the date and ".txt". A path without a folder gives a name in the current folder.
std::string ProposedReportFileName(const std::string& inputPath, const std::string& mmddyy);

}  // namespace velkora
