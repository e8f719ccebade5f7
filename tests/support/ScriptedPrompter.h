// A Prompter for tests: records every message and answers from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/Prompter.h"

namespace velkora::testing {

class ScriptedPrompter : public Prompter {
 public:
  MessageAnswer ShowMessage(const Message& message) override {
    messages.push_back(message);
    if (message.buttons == MessageButtons::kYesNo) {
      return yesNoAnswers.empty() ? MessageAnswer::kNo : Pop(yesNoAnswers);
    }
    return MessageAnswer::kOk;
  }
  std::optional<std::string> AskOpenFileName(const std::string& title,
                                             const std::string& presetName) override {
    dialogs.push_back({"open", title, presetName});
    return fileAnswers.empty() ? std::nullopt : Pop(fileAnswers);
  }
  std::optional<std::string> AskSaveFileName(const std::string& title,
                                             const std::string& presetName) override {
    dialogs.push_back({"save", title, presetName});
    return fileAnswers.empty() ? std::nullopt : Pop(fileAnswers);
  }

  struct Dialog {
    std::string kind;
    std::string title;
    std::string presetName;
  };

  std::vector<Message> messages;
  std::vector<Dialog> dialogs;
  std::deque<MessageAnswer> yesNoAnswers;              // default: No
  std::deque<std::optional<std::string>> fileAnswers;  // default: cancelled

 private:
  template <typename T>
  static T Pop(std::deque<T>& queue) {
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};

}  // namespace velkora::testing
