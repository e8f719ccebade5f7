// What the program keeps between the events of its windows besides the controls of the main
// window (MainForm): paths, the job header, the report, the reference list and what the last
// run and the last fit leave behind for later commands.
#pragma once

#include <optional>
#include <string>

#include "app/RunRequest.h"
#include "engine/points/HeaderInfo.h"
#include "engine/transform/ReferenceList.h"

namespace velkora {

struct Session {
  std::string iniPath;   // the header defaults file
  std::string helpPath;  // beside the program; registered only
  HeaderInfo header;
  std::string reportText;      // runs separated by form feeds
  bool reportUnsaved = false;  // a run was added since the report was saved, printed or cleared
  std::string reportFileName;  // proposed by "To File": beside the first input file
  ReferenceList reference;
  // The file last opened by name (an input file added or converted, or the reference file):
  // leaving the reference file box reloads the list unless the box names the file the list came
  // from and no other file was opened since.
  std::string lastFileName;
  FittedFactors fittedFactors;
  ProjectionScaleUse projectionScale;
  std::optional<RunPlan> lastRun;  // the last completed run, which the preview reads again
};

}  // namespace velkora
