// The main window's choice of the output file and its layout.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/Prompter.h"

namespace velkora {

inline constexpr const char* kOutputFileDialogTitle = "Select The Output File";

// btnGetOName and mnuOutFile: the save dialog preset with oFileName's text; cancelling
// changes nothing.
void SelectOutputFileByDialog(MainForm& form, Prompter& prompter);

// Files dropped on oFileName: the first one becomes the output file.
void DropOutputFile(MainForm& form, const std::vector<std::string>& paths);

// A command of the "Output File Format" menu: selects outFormat entry `entry` (0 to 6).
void SelectOutputFormat(MainForm& form, std::size_t entry);

}  // namespace velkora
