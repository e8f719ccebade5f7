// The README's pictures, made by the program itself offscreen: the main window filled for a
// sample job, the fit dialog and the report window after the run.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace velkora {

// Converts `fileNames` as a sample job and saves main-window.png, fit-dialog.png and
// report-window.png in `folder`. The exit code: 0 when every picture was saved.
int TakeScreenshots(const QString& folder, const std::vector<std::string>& fileNames);

}  // namespace velkora
