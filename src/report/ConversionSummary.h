// The conversion summary that every run appends to the report: title, job header, control
// points, the applied shift, angle and scale, and one line per file with its point count.
#pragma once

#include <cstdint>
#include <string>

#include "session/MainForm.h"
#include "session/SessionState.h"

namespace velkora {

// Today's date as the title line shows it ("Dec 5, 2026"), in English whatever the locale.
// When SOURCE_DATE_EPOCH holds seconds since 1970, the date is that moment's UTC date, so
// that a report can be reproduced byte for byte.
std::string ReportDate();

// Appends, to session.reportText, the run separator (a form feed when the report already
// holds a run), the title line, the header block, the datum line, the control-point table
// (read from the form's boxes), the calculation block, the residual table of a fit whose
// factors the boxes still hold, and the "Input File List" heading.
void AppendRunSummary(SessionState& session, const MainForm& form);

// Appends the line of one file: the path, broken after a folder separator when it is too
// long, and the point count ending in column 80.
void AppendFileLine(SessionState& session, const std::string& path, std::int64_t count);

}  // namespace velkora
