// The Prompter of a convert run: messages as stderr lines that never share a line with the
// progress count, and the overwrite question answered by --yes (or No without it) without being
// printed.
#pragma once

#include "cli/ProgressLine.h"
#include "cli/StderrPrompter.h"

namespace velkora::cli {

class RunPrompter : public Prompter {
 public:
  RunPrompter(bool answerYes, ProgressLine& progress)
      : answerYes_(answerYes), messages_(answerYes), progress_(progress) {}

  MessageAnswer ShowMessage(const Message& message) override;
  std::optional<std::string> AskOpenFileName(const std::string& title,
                                             const std::string& presetName) override;
  std::optional<std::string> AskSaveFileName(const std::string& title,
                                             const std::string& presetName) override;

 private:
  bool answerYes_;
  StderrPrompter messages_;
  ProgressLine& progress_;
};

}  // namespace velkora::cli
