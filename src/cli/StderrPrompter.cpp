// Messages of the engine shown on stderr, one line each.
#include "cli/StderrPrompter.h"

#include <cstdio>
#include <string>

namespace velkora::cli {

MessageAnswer StderrPrompter::ShowMessage(const Message& message) {
  std::string line;
  line.reserve(message.text.size() + 1);
  for (std::size_t i = 0; i < message.text.size(); ++i) {
    const char c = message.text[i];
    if (c == '\r' && i + 1 < message.text.size() && message.text[i + 1] == '\n') {
      continue;  // CR LF is one break, one blank
    }
    line += c == '\r' || c == '\n' ? ' ' : c;
  }
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
  if (message.buttons == MessageButtons::kYesNo) {
    return answerYes_ ? MessageAnswer::kYes : MessageAnswer::kNo;
  }
  return MessageAnswer::kOk;
}

std::optional<std::string> StderrPrompter::AskOpenFileName(const std::string&, const std::string&) {
  return std::nullopt;
}

std::optional<std::string> StderrPrompter::AskSaveFileName(const std::string&, const std::string&) {
  return std::nullopt;
}

}  // namespace velkora::cli
