// The window side of a conversion run: a progress dialog with Cancel while a long run works,
// then the report window, modally.
#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>
#include <memory>

#include "conversion/ConversionRun.h"

namespace velkora {

class ReportWindow;

class RunProgressView : public RunView {
 public:
  RunProgressView(ReportWindow& report, QWidget* owner);
  ~RunProgressView() override;

  bool ReportProgress(std::int64_t pointsWritten) override;
  void ShowReport(const std::string& windowText, const std::string& caption) override;

 private:
  ReportWindow& report_;
  QWidget* owner_;
  QElapsedTimer started_;
  std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace velkora
