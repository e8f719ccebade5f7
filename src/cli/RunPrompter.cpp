// Messages of a convert run on stderr.
#include "cli/RunPrompter.h"

namespace velkora::cli {

MessageAnswer RunPrompter::ShowMessage(const Message& message) {
  // --yes answers a question before it is asked, its absence says No; printing the question
  // would read as if an answer were awaited. The command says what the answer kept.
  if (message.buttons == MessageButtons::kYesNo) {
    return answerYes_ ? MessageAnswer::kYes : MessageAnswer::kNo;
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
