// The report as the report window shows it: one banner line per run, and the window caption.
#pragma once

#include <cstdint>
#include <string>

namespace velkora {

// Runs in the report: one more than its form feeds.
std::int64_t CountReportRuns(const std::string& reportText);

// The banner of run n: 36 asterisks, " RUN n ", 37 asterisks, cut to 80 characters.
std::string ReportBanner(std::int64_t run);

// The report with each run's form feed replaced by a line break and each run headed by its
// banner line.
std::string ReportWindowText(const std::string& reportText);

// "Velkora Report     (Contains 1 Run)" or "... (Contains N Runs)".
std::string ReportWindowCaption(std::int64_t runs);

}  // namespace velkora
