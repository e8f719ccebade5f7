// The header dialog: the six job-identification texts printed at the head of every report,
// and saving them as the defaults of the next start into the file it names.
#pragma once

#include <QDialog>

#include "app/Prompter.h"
#include "app/Session.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace velkora {

class HeaderDialog : public QDialog {
  Q_OBJECT

 public:
  HeaderDialog(Session& session, Prompter& prompter, QWidget* owner = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  template <typename Widget>
  Widget* Find(const char* name) const {
    return findChild<Widget*>(QString::fromLatin1(name));
  }
  void ShowDefaultsFile();
  HeaderInfo Boxes() const;
  void Continue();
  void ClearBoxes();
  void SaveDefaults();

  Session& session_;
  Prompter& prompter_;
  QLineEdit* txtTH_;
  QLineEdit* txtSP_;
  QComboBox* txtHD_;
  QComboBox* txtVD_;
  QComboBox* txtPR_;
  QPlainTextEdit* txtCM_;
  QLabel* lblDefaultsFile_;
};

}  // namespace velkora
