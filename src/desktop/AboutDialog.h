// The About box: the program's name, version and date, what it does, where to find support,
// a disclaimer, and a button that starts the platform's system-information program.
#pragma once

#include <QDialog>

#include "app/Prompter.h"

namespace velkora {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(Prompter& prompter, QWidget* owner = nullptr);

 private:
  void StartSysInfo();

  Prompter& prompter_;
};

}  // namespace velkora
