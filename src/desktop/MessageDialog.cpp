// Message boxes and file dialogs behind the Prompter interface.
#include "desktop/MessageDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "desktop/CommonView.h"

namespace velkora {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kCritical:
      return QMessageBox::Critical;
    case MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

// A file dialog answers with an empty name when cancelled.
std::optional<std::string> ChosenName(const QString& name) {
  if (name.isEmpty()) {
    return std::nullopt;
  }
  return FromQt(name);
}

}  // namespace

MessageDialog::MessageDialog(QWidget* owner) : owner_(owner) {}

void MessageDialog::SetOwner(QWidget* owner) {
  owner_ = owner;
}

QWidget* MessageDialog::DialogOwner() const {
  if (QWidget* modal = QApplication::activeModalWidget()) {
    return modal;
  }
  return owner_.data();
}

MessageAnswer MessageDialog::ShowMessage(const Message& message) {
  const bool yesNo = message.buttons == MessageButtons::kYesNo;
  QMessageBox box(BoxIcon(message.icon), ToQt(message.title), ToQtLines(message.text),
                  yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, DialogOwner());
  box.setObjectName(QStringLiteral("messageBox"));
  box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
  const int answer = box.exec();
  if (!yesNo) {
    return MessageAnswer::kOk;
  }
  return answer == QMessageBox::Yes ? MessageAnswer::kYes : MessageAnswer::kNo;
}

std::optional<std::string> MessageDialog::AskOpenFileName(const std::string& title,
                                                          const std::string& presetName) {
  return ChosenName(QFileDialog::getOpenFileName(DialogOwner(), ToQt(title), ToQt(presetName)));
}

std::optional<std::string> MessageDialog::AskSaveFileName(const std::string& title,
                                                          const std::string& presetName) {
  // The run asks itself before replacing a file, and the report is appended to.
  return ChosenName(QFileDialog::getSaveFileName(DialogOwner(), ToQt(title), ToQt(presetName),
                                                 QString(), nullptr,
                                                 QFileDialog::DontConfirmOverwrite));
}

}  // namespace velkora
