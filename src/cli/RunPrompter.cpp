// Messages of a convert run on stderr.
#include "cli/RunPrompter.h"

namespace velkora::cli {

MessageAnswer RunPrompter::ShowMessage(const Message& message) {
  // --yes answered the question before it was asked; printing it would read as a refusal.
  if (answerYes_ && message.buttons == MessageButtons::kYesNo) {
    return MessageAnswer::kYes;
  }
  progress_.Clear();
  return messages_.ShowMessage(message);
}

std::optional<std::string> RunPrompter::AskOpenFileName(const std::string& title,
                                                        const std::string& presetName) {
  return messages_.AskOpenFileName(title, presetName);
}

std::optional<std::string> RunPrompter::AskSaveFileName(const std::string& title,
                                                        const std::string& presetName) {
  return messages_.AskSaveFileName(title, presetName);
}

}  // namespace velkora::cli
