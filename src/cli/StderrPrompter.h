// The Prompter of the command line: messages go to stderr, questions are answered by a
// setting, and there are no file dialogs to show.
#pragma once

#include "app/Prompter.h"

namespace velkora::cli {

class StderrPrompter : public Prompter {
 public:
  explicit StderrPrompter(bool answerYes = false) : answerYes_(answerYes) {}

  // Prints the text as one line, its line breaks turned into blanks.
  MessageAnswer ShowMessage(const Message& message) override;
  std::optional<std::string> AskOpenFileName(const std::string& title,
                                             const std::string& presetName) override;
  std::optional<std::string> AskSaveFileName(const std::string& title,
                                             const std::string& presetName) override;

 private:
  bool answerYes_;
};

}  // namespace velkora::cli
