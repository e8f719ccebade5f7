// Progress and report display for a run started from the main window.
#include "desktop/RunProgressView.h"

#include <QCoreApplication>
#include <utility>

#include "desktop/ReportWindow.h"

namespace velkora {

namespace {
// Short runs end before any progress dialog would be seen.
constexpr qint64 kShowProgressAfterMs = 400;
}  // namespace

RunProgressView::RunProgressView(ReportWindow& report, QWidget* owner, QString label)
    : report_(report), owner_(owner), label_(std::move(label)) {
  started_.start();
}

RunProgressView::~RunProgressView() = default;

bool RunProgressView::ReportProgress(std::int64_t pointsWritten) {
  if (!progress_ && started_.elapsed() >= kShowProgressAfterMs) {
    progress_ = std::make_unique<QProgressDialog>(owner_);
    progress_->setObjectName(QStringLiteral("runProgress"));
    progress_->setWindowTitle(QStringLiteral(" Velkora"));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setCancelButtonText(QStringLiteral("Cancel"));
    progress_->setRange(0, 0);
    progress_->setMinimumDuration(0);
    progress_->show();
  }
  if (progress_) {
    progress_->setLabelText(label_.arg(pointsWritten));
  }
  // Keeps the windows painting; once the dialog shows, it blocks the main window and its
  // Cancel may be pressed.
  QCoreApplication::processEvents(progress_ ? QEventLoop::AllEvents
                                            : QEventLoop::ExcludeUserInputEvents);
  return !(progress_ && progress_->wasCanceled());
}

void RunProgressView::ShowReport(const std::string& windowText, const std::string& caption) {
  progress_.reset();
  report_.ShowReport(windowText, caption);
}

}  // namespace velkora
