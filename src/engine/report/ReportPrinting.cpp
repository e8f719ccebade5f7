// Splits the report into print lines and pages.
#include "engine/report/ReportPrinting.h"

namespace velkora {

namespace {

constexpr int kTopMarginLines = 4;

// Prints a run's text line by line; a break at its very end does not start another line.
void PrintLines(std::string_view text, ReportPrinter& printer) {
  while (!text.empty()) {
    const std::size_t lineBreak = text.find_first_of("\r\n");
    printer.PrintLine(text.substr(0, lineBreak));
    if (lineBreak == std::string_view::npos) {
      return;
    }
    const bool crLf =
        text[lineBreak] == '\r' && lineBreak + 1 < text.size() && text[lineBreak + 1] == '\n';
    text.remove_prefix(lineBreak + (crLf ? 2 : 1));
  }
}

}  // namespace

void PrintReport(const std::string& reportText, int copies, ReportPrinter& printer) {
  if (reportText.empty()) {
    return;
  }
  for (int copy = 0; copy < copies; ++copy) {
    printer.BeginDocument();
    std::string_view remaining = reportText;
    while (!remaining.empty()) {
      for (int i = 0; i < kTopMarginLines; ++i) {
        printer.PrintLine("");
      }
      const std::size_t formFeed = remaining.find('\f');
      if (formFeed == std::string_view::npos) {
        PrintLines(remaining, printer);
        break;
      }
      PrintLines(remaining.substr(0, formFeed), printer);
      printer.NewPage();
      remaining.remove_prefix(formFeed + 1);
    }
    printer.EndDocument();
  }
}

}  // namespace velkora
