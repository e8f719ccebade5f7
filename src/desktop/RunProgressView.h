// The window side of a conversion run: a progress dialog with Cancel while a long run works,
// then the report window, modally.
#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QString>
#include <memory>

#include "app/ConversionRun.h"

namespace velkora {

class ReportWindow;

class RunProgressView : public RunView {
 public:
  // `label` shows the count of points with %1 in it.
  RunProgressView(ReportWindow& report, QWidget* owner,
                  QString label = QStringLiteral("Converting points: %1 written"));
  ~RunProgressView() override;

  bool ReportProgress(std::int64_t pointsWritten) override;
  void ShowReport(const std::string& windowText, const std::string& caption) override;

 private:
  ReportWindow& report_;
  QWidget* owner_;
  QString label_;
  QElapsedTimer started_;
  std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace velkora
