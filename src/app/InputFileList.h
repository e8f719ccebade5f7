// The input-file list of the main window: adding, refusing and emptying.
#pragma once

#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/Prompter.h"
#include "app/Session.h"

namespace velkora {

// Adds `path` to `files` unless it is listed already, or, with a prompter, it cannot be opened
// or has no known layout (the prompter then says so). Without a prompter any file not yet
// listed is added: start-up lists the files named on the command line whatever they are.
bool AddToInputList(std::vector<std::string>& files, const std::string& path, Prompter* prompter);

// Adds `path` to loadedFiles as AddToInputList does and updates the list's controls; the
// first file also names the proposed report file.
void AddInputFile(Session& session, MainForm& form, Prompter* prompter, const std::string& path);

// Empties the list and returns its controls to their empty state.
void ResetFileList(Session& session, MainForm& form);

// btnAdd and mnuFileAdd: the open-file dialog, then AddInputFile.
void AddFileByDialog(Session& session, MainForm& form, Prompter& prompter);

// Files dropped on btnAdd or loadedFiles, first to last.
void AddDroppedFiles(Session& session, MainForm& form, Prompter& prompter,
                     const std::vector<std::string>& paths);

// The keys the list reacts to: Backspace and Delete empty the whole list.
enum class ListKey { kBackspace, kDelete, kOther };
void LoadedFilesKeyDown(Session& session, MainForm& form, ListKey key);

// Today's local date as two-digit month, day and year ("120526" for 5 December 2026).
std::string TodayAsMmddyy();

// The report file proposed for an input file: its folder, the platform's separator,
// "Velkora", the date and ".txt". A path without a folder gives a name in the current folder.
std::string ProposedReportFileName(const std::string& inputPath, const std::string& mmddyy);

}  // namespace velkora
