// Printing the report: each copy one print job, each run on a page of its own.
#pragma once

#include <string>
#include <string_view>

namespace velkora {

// Font and left margin of the printout: 80 columns fit a letter-size page.
inline constexpr std::string_view kReportPrintFont = "Courier New";
inline constexpr int kReportPrintPointSize = 11;
inline constexpr int kReportPrintMarginTwips = 750;

// The printer as the report needs it; the window implements it with the chosen printer,
// tests with a recorder. Text that runs past the bottom of a page is the printer's to flow.
class ReportPrinter {
 public:
  virtual ~ReportPrinter() = default;
  virtual void BeginDocument() = 0;
  virtual void PrintLine(std::string_view line) = 0;
  virtual void NewPage() = 0;
  virtual void EndDocument() = 0;
};

// Prints `copies` copies of the report, one document each: every run's page starts with four
// empty lines and each form feed starts a new page. An empty report prints nothing at all.
void PrintReport(const std::string& reportText, int copies, ReportPrinter& printer);

}  // namespace velkora
