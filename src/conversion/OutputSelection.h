// The main window's choice of the output file, its layout and the zero-elevation switch.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "session/MainForm.h"
#include "session/Prompter.h"
#include "session/SessionState.h"

namespace velkora {

inline constexpr const char* kOutputFileDialogTitle = "Select The Output File";

// The commands of the "Output File Format" menu, each selecting the outFormat entry of the
// same index and caption.
inline constexpr std::array<std::string_view, 7> kOutputFormatMenuCommands = {
    "mnuFilSavCDF", "mnuFilSavGDF", "mnuFilSavGDFs", "mnuFilSavGpN",
    "mnuFilSavGPX", "mnuFilSavSDM", "mnuFilSavUCC"};

// btnGetOName and mnuOutFile: the save dialog preset with oFileName's text; cancelling
// changes nothing.
void SelectOutputFileByDialog(MainForm& form, Prompter& prompter);

// Files dropped on oFileName: the first one becomes the output file.
void DropOutputFile(MainForm& form, const std::vector<std::string>& paths);

// chkSuppress clicked: the writers follow its new state.
void SuppressZeroElevationsClicked(SessionState& session, const MainForm& form);

// A command of the "Output File Format" menu: selects outFormat entry `entry` (0 to 6).
void SelectOutputFormat(MainForm& form, std::size_t entry);

}  // namespace velkora
