// The report printed on a Qt printer: the fixed-width font at 11 points, a left margin of
// 750 twips, lines from the top of the page.
#pragma once

#include <QPainter>

#include "app/Prompter.h"
#include "engine/report/ReportPrinting.h"

class QPrinter;

namespace velkora {

class ReportPrintView : public ReportPrinter {
 public:
  // A printer that fails to start a document is reported once through `prompter`.
  ReportPrintView(QPrinter& printer, Prompter& prompter);

  void BeginDocument() override;
  void PrintLine(std::string_view line) override;
  void NewPage() override;
  void EndDocument() override;

  // The printer could not start a document: nothing was printed.
  bool Failed() const { return failed_; }

 private:
  QPrinter& printer_;
  Prompter& prompter_;
  QPainter painter_;
  bool failed_ = false;
  int lineTop_ = 0;
};

}  // namespace velkora
