// The main window: the reference file, the four control points, the input files, the factors
// and the output, as widgets that mirror the MainForm model and forward every event to the
// engine's handlers.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/Prompter.h"
#include "app/Session.h"

namespace velkora {

class PointBrowserDialog;
class ReportWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Session& session, MainForm& form, Prompter& prompter, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Shows the whole model: texts, items, selections, checks, visibility, enabling, focus.
  void ShowForm();

  ReportWindow& Report();
  PointBrowserDialog& Browser();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void ConnectEdits();
  void ConnectCommands();
  void SetTabOrder();

  // Runs one engine handler with the current focus in the model, then shows the model.
  void Handle(const std::function<void()>& handler);
  void ShowFocus();
  std::string FocusedControlName() const;

  void LostFocus(QObject* box);
  void Dropped(QObject* target, const std::vector<std::string>& paths);
  void Compute();
  void ShowHeaderDialog();
  void ShowAboutBox();
  void ShowFitDialog();
  void ShowProjectionDialog();

  Session& session_;
  MainForm& form_;
  Prompter& prompter_;
  std::unique_ptr<ReportWindow> report_;
  std::unique_ptr<PointBrowserDialog> browser_;
  bool handling_ = false;
  bool leavingBox_ = false;
};

}  // namespace velkora
