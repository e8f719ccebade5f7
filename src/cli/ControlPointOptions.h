// The control-point options of factors and convert: the four points typed as coordinates or
// looked up by number in a reference file, filled into the main window's boxes.
#pragma once

#include <optional>
#include <vector>

#include "cli/CliArguments.h"
#include "session/MainForm.h"
#include "session/Prompter.h"
#include "session/SessionState.h"

namespace velkora::cli {

// --source-pivot, --source-ref, --dest-pivot, --dest-ref, --reference and --points.
std::vector<OptionSpec> ControlPointOptions();

// Types the control points into the form as a user would: coordinates straight into the X
// and Y boxes, or numbers into the number boxes, each looked up on leaving its box. A number
// that is not in the reference file leaves its point empty and is reported on stderr. The exit
// code to end with on a usage error or a reference file that cannot be loaded.
std::optional<int> FillControlPoints(const CliArguments& parsed, SessionState& session,
                                     MainForm& form, Prompter& prompter);

}  // namespace velkora::cli
