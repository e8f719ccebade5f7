// Painting report lines on the printer's pages.
#include "desktop/ReportPrintView.h"

#include <QFontMetrics>
#include <QPrinter>
#include <string>

#include "desktop/CommonView.h"

namespace velkora {

ReportPrintView::ReportPrintView(QPrinter& printer, Prompter& prompter)
    : printer_(printer), prompter_(prompter) {}

void ReportPrintView::BeginDocument() {
  if (failed_) {
    return;
  }
  if (!painter_.begin(&printer_)) {
    failed_ = true;
    const QString target =
        printer_.outputFileName().isEmpty() ? printer_.printerName() : printer_.outputFileName();
    prompter_.ShowMessage(FileErrorMessage("Unable To Print The Report On:", FromQt(target)));
    return;
  }
  painter_.setFont(FixedFont(kReportPrintPointSize));
  lineTop_ = 0;
}

void ReportPrintView::PrintLine(std::string_view line) {
  if (!painter_.isActive()) {
    return;
  }
  const QFontMetrics metrics(painter_.font(), &printer_);
  // Text that runs past the bottom of the page goes on to the next one.
  if (lineTop_ > 0 && lineTop_ + metrics.height() > printer_.height()) {
    NewPage();
  }
  const int margin = printer_.resolution() * kReportPrintMarginTwips / 1440;
  painter_.drawText(margin, lineTop_ + metrics.ascent(), ToQt(std::string(line)));
  lineTop_ += metrics.lineSpacing();
}

void ReportPrintView::NewPage() {
  if (!painter_.isActive()) {
    return;
  }
  printer_.newPage();
  lineTop_ = 0;
}

void ReportPrintView::EndDocument() {
  if (painter_.isActive()) {
    painter_.end();
  }
}

}  // namespace velkora
