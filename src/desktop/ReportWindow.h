// The report window: the report with one banner per run, and its Clear, Print, To File and
// Close buttons.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/Prompter.h"
#include "app/Session.h"
#include "engine/transform/ControlFit.h"

class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace velkora {

class ReportWindow : public QDialog {
  Q_OBJECT

 public:
  ReportWindow(Session& session, MainForm& form, Prompter& prompter, QWidget* owner = nullptr);

  // Puts the rebuilt report and the run's caption in the window.
  void SetReport(const std::string& windowText, const std::string& caption);

  // SetReport, then the window modally until Close or Esc hides it.
  void ShowReport(const std::string& windowText, const std::string& caption);

  // Prints the report on a printer already set up: one job per copy.
  void PrintTo(QPrinter& printer, int copies);

  // The control pairs of the fit last used, drawn in the preview too.
  void SetFitPairs(std::vector<ControlPair> pairs);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Clear();
  void Print();
  void Save();
  void ShowPreview();

  Session& session_;
  MainForm& form_;
  Prompter& prompter_;
  QPlainTextEdit* txtReport_;
  QPushButton* buttons_[5];
  std::vector<ControlPair> fitPairs_;
};

}  // namespace velkora
