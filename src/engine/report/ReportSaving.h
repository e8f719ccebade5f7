// Saving the report: appended to a text file, never overwriting what the file holds.
#pragma once

#include <string>

namespace velkora {

// Appends the report to `path`: after CR LF CR LF when the file exists, after one CR LF when
// it is new, then the report and CR LF. On failure returns false with the reason in `error`
// and leaves the file as it was (a new file is removed again).
bool AppendReportToFile(const std::string& reportText, const std::string& path, std::string& error);

}  // namespace velkora
