// The conversion summary that every completed run adds to the report: title, job header,
// control points, the applied shift, angle and scale, and one line per file with its point
// count; 80 columns wide, lines ending in CR LF.
#pragma once

#include <string>

#include "engine/report/RunSummary.h"

namespace velkora {

// Today's date as the title line shows it ("Dec 5, 2026"), in English whatever the locale.
// When SOURCE_DATE_EPOCH holds seconds since 1970, the date is that moment's UTC date, so
// that a report can be reproduced byte for byte.
std::string ReportDate();

// The run's text: the title line, the header block, the datum line, the control-point table
// (when the run has a pivot), the calculation block ("Layout only" for a run that moves no
// point), the projection block and the fit's residual table (each when the run uses them), the
// input files and the output file, with the delimited column orders where the summary states
// them.
std::string SummaryText(const RunSummary& run);

// Adds the run to the report, after a form feed when the report already holds a run.
void AppendRun(std::string& reportText, const RunSummary& run);

}  // namespace velkora
