// The fit dialog: a table of control pairs (point numbers looked up in the reference file, or
// coordinates typed), the fit with its residual table and picture, and "Use These Factors".
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "app/FitPairRows.h"
#include "app/MainForm.h"
#include "app/Prompter.h"
#include "app/Session.h"
#include "engine/transform/ControlFit.h"

class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace velkora {

class FitPictureView;

inline constexpr const char* kFitDialogTitle = "Fit From Control Pairs";

class FitDialog : public QDialog {
  Q_OBJECT

 public:
  // Starts with the main window's control points as two pairs.
  FitDialog(Session& session, MainForm& form, Prompter& prompter, QWidget* owner = nullptr);

  // The pairs of the fit last put into the main window's boxes.
  const std::vector<ControlPair>& UsedPairs() const { return usedPairs_; }

 signals:
  // "Use These Factors" changed the main window's model.
  void FactorsUsed();

 private:
  void AddRow(const FitPairRow& row);
  std::vector<FitPairRow> Rows() const;
  void WriteRow(int rowIndex, const FitPairRow& row);
  void CellEdited(QTableWidgetItem* item);
  void RemoveRow();
  void Fit();
  void UseFactors();

  Session& session_;
  MainForm& form_;
  Prompter& prompter_;
  QTableWidget* pairTable_;
  QPlainTextEdit* txtResiduals_;
  FitPictureView* picture_;
  QPushButton* btnUseFactors_;
  std::vector<ControlPair> pairs_;
  std::optional<ControlFit> fit_;
  std::vector<ControlPair> usedPairs_;
  bool writing_ = false;
};

}  // namespace velkora
