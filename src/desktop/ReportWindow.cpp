// The report window's layout, its resize rule and its four commands.
#include "desktop/ReportWindow.h"

#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "app/ReportCommands.h"
#include "desktop/CommonView.h"
#include "desktop/PreviewView.h"
#include "desktop/ReportPrintView.h"
#include "desktop/RunProgressView.h"
#include "engine/report/ReportPrinting.h"
#include "engine/report/ReportText.h"

namespace velkora {

namespace {

// Design client area, in twips. The window's frame adds 120 twips to the width and 420 to
// the height, so the outer size that every showing restores is 9135 by 6240.
constexpr double kClientWidth = 9015;
constexpr double kClientHeight = 5820;
constexpr double kFrameWidth = 120;
constexpr double kFrameHeight = 420;

// The preview opens larger than the report: points need room more than text does.
constexpr double kPreviewWidth = 12000;
constexpr double kPreviewHeight = 9000;

struct ButtonDesign {
  const char* name;
  const char* caption;
  const char* tooltip;
  double left;
};

// In tab order after the text box: Close, Print, To File, Clear, then Preview in the free
// place at the left.
constexpr ButtonDesign kButtons[5] = {
    {"btnClose", "Close", "Close the report dialog.  It can be reopened.", 6630},
    {"btnPrint", "Print", "Open the Windows Print Dialog.", 3230},
    {"btnSave", "To File", "Save this report to a text file.", 4930},
    {"btnClear", "Clear", nullptr, 1530},
    {"btnPreview", "Preview", "Plot the last run's points and the control points.", 120},
};

}  // namespace

ReportWindow::ReportWindow(Session& session, MainForm& form, Prompter& prompter, QWidget* owner)
    : QDialog(owner), session_(session), form_(form), prompter_(prompter) {
  setObjectName(QStringLiteral("frmVelkoraOutput"));
  setWindowTitle(QStringLiteral(" Velkora Report "));
  setFont(DesignFont());
  setModal(true);

  txtReport_ = new QPlainTextEdit(this);
  txtReport_->setObjectName(QStringLiteral("txtReport"));
  txtReport_->setGeometry(TwipRect(120, 120, 8775, 5175));
  txtReport_->setFont(FixedFont(8.25));
  txtReport_->setReadOnly(true);
  txtReport_->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtReport_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  QWidget* previous = txtReport_;
  for (int i = 0; i < 5; ++i) {
    const ButtonDesign& design = kButtons[i];
    auto* button = new QPushButton(QString::fromLatin1(design.caption), this);
    button->setObjectName(QString::fromLatin1(design.name));
    button->setGeometry(TwipRect(design.left, 5400, 855, 375));
    button->setAutoDefault(false);
    if (design.tooltip != nullptr) {
      button->setToolTip(QString::fromLatin1(design.tooltip));
    }
    setTabOrder(previous, button);
    previous = button;
    buttons_[i] = button;
  }
  // Esc (QDialog's reject) hides the window like Close.
  connect(buttons_[0], &QPushButton::clicked, this, &QDialog::reject);
  connect(buttons_[1], &QPushButton::clicked, this, &ReportWindow::Print);
  connect(buttons_[2], &QPushButton::clicked, this, &ReportWindow::Save);
  connect(buttons_[3], &QPushButton::clicked, this, &ReportWindow::Clear);
  connect(buttons_[4], &QPushButton::clicked, this, &ReportWindow::ShowPreview);
  resize(Twips(kClientWidth), Twips(kClientHeight));
}

void ReportWindow::SetReport(const std::string& windowText, const std::string& caption) {
  txtReport_->setPlainText(ToQtLines(windowText));
  setWindowTitle(ToQt(caption));
}

void ReportWindow::ShowReport(const std::string& windowText, const std::string& caption) {
  SetReport(windowText, caption);
  exec();
}

void ReportWindow::showEvent(QShowEvent* event) {
  resize(Twips(kClientWidth), Twips(kClientHeight));
  QDialog::showEvent(event);
}

// Below its thresholds a control keeps its last size and place.
void ReportWindow::resizeEvent(QResizeEvent* event) {
  const int outerHeight = height() + Twips(kFrameHeight);
  const int outerWidth = width() + Twips(kFrameWidth);
  QRect text = txtReport_->geometry();
  if (outerHeight > Twips(1065)) {
    text.setHeight(outerHeight - Twips(1065));
  }
  if (outerWidth > Twips(360)) {
    text.setWidth(outerWidth - Twips(360));
  }
  txtReport_->setGeometry(text);
  if (outerHeight > Twips(1355)) {
    for (QPushButton* button : buttons_) {
      button->move(button->x(), outerHeight - Twips(840));
    }
  }
  QDialog::resizeEvent(event);
}

void ReportWindow::Clear() {
  txtReport_->clear();
  ClearReport(session_, form_);
}

void ReportWindow::Print() {
  QPrinter printer;
  printer.setCopyCount(1);
  QPrintDialog dialog(&printer, this);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  // Each copy is a job of its own, so the printer itself prints one.
  const int copies = printer.copyCount();
  printer.setCopyCount(1);
  PrintTo(printer, copies);
}

void ReportWindow::PrintTo(QPrinter& printer, int copies) {
  ReportPrintView view(printer, prompter_);
  PrintReport(session_.reportText, copies, view);
  // Only a report on paper may be lost with the program without a question.
  if (!view.Failed()) {
    ReportPrinted(session_);
  }
}

void ReportWindow::Save() {
  SaveReport(session_, prompter_);
}

void ReportWindow::SetFitPairs(std::vector<ControlPair> pairs) {
  fitPairs_ = std::move(pairs);
}

// The input files are read again only now, so a run costs nothing for a preview not asked for.
// A long reading shows the run's progress dialog, whose Cancel drops the preview.
void ReportWindow::ShowPreview() {
  if (!session_.lastRun) {
    return;
  }
  RunPreview points;
  {
    RunProgressView progress(*this, this, QStringLiteral("Reading points for the preview: %1"));
    points =
        BuildRunPreview(*session_.lastRun, form_, fitPairs_, kPreviewPointLimit,
                        [&progress](std::int64_t read) { return progress.ReportProgress(read); });
  }
  if (points.cancelled) {
    return;
  }
  QDialog preview(this);
  preview.setObjectName(QStringLiteral("frmPreview"));
  preview.setWindowTitle(QStringLiteral(" Velkora Preview "));
  auto* picture = new PreviewView(std::move(points), &preview);
  auto* close = new QPushButton(QStringLiteral("Close"), &preview);
  close->setObjectName(QStringLiteral("btnClose"));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, &preview, &QDialog::reject);
  auto* layout = new QVBoxLayout(&preview);
  layout->addWidget(picture, 1);
  layout->addWidget(close, 0, Qt::AlignRight);
  preview.resize(Twips(kPreviewWidth), Twips(kPreviewHeight));
  preview.exec();
}

}  // namespace velkora
