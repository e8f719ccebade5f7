// The windows' Prompter: message boxes with icon, buttons and title, and the platform's
// open-file and save-file dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/Prompter.h"

namespace velkora {

class MessageDialog : public Prompter {
 public:
  // Messages and dialogs are shown over the given window (none: centred on the screen).
  explicit MessageDialog(QWidget* owner = nullptr);
  void SetOwner(QWidget* owner);

  MessageAnswer ShowMessage(const Message& message) override;
  std::optional<std::string> AskOpenFileName(const std::string& title,
                                             const std::string& presetName) override;
  std::optional<std::string> AskSaveFileName(const std::string& title,
                                             const std::string& presetName) override;

 private:
  QWidget* DialogOwner() const;

  QPointer<QWidget> owner_;
};

}  // namespace velkora
