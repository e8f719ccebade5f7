// "Scale From Projection": the CRS typed with its name shown, the grid point, the elevation,
// the geoid separation and the direction; Compute shows every figure and "Use This Scale"
// puts the scale into the main window's scale box.
#pragma once

#include <QDialog>
#include <optional>

#include "app/MainForm.h"
#include "app/ProjectionScaleCommands.h"
#include "app/Prompter.h"
#include "app/Session.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velkora {

class ProjectionScaleDialog : public QDialog {
  Q_OBJECT

 public:
  // Starts with the CRS, heights and direction last used and the source pivot as the point.
  ProjectionScaleDialog(Session& session, MainForm& form, Prompter& prompter,
                        QWidget* owner = nullptr);

 signals:
  // "Use This Scale" changed the main window's model.
  void ScaleUsed();

 private:
  template <typename Widget>
  Widget* Find(const char* name) const {
    return findChild<Widget*>(QString::fromLatin1(name));
  }
  ProjectionScaleBoxes Boxes() const;
  void ShowCrsName();
  void BoxEdited();
  void Compute();
  void UseScale();

  Session& session_;
  MainForm& form_;
  Prompter& prompter_;
  QLineEdit* txtCrs_;
  QLabel* lblCrsName_;
  QLineEdit* txtGridX_;
  QLineEdit* txtGridY_;
  QLineEdit* txtElevation_;
  QLineEdit* txtGeoid_;
  QComboBox* lstDirection_;
  QPlainTextEdit* txtFigures_;
  QPushButton* btnUseScale_;
  std::optional<ProjectionScaleUse> computed_;
};

}  // namespace velkora
