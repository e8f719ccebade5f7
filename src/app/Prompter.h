// Message boxes and the common file and print dialogs, as one small interface: the windows
// implement it with real dialogs, the command line with stderr, tests with a script.
#pragma once

#include <optional>
#include <string>

namespace velkora {

enum class MessageIcon { kNone, kCritical, kExclamation, kQuestion, kInformation };
enum class MessageButtons { kOk, kYesNo };
enum class MessageAnswer { kOk, kYes, kNo };

struct Message {
  std::string text;
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;
  std::string title;

  bool operator==(const Message&) const = default;
};

// Title of every file-problem message.
inline constexpr const char* kErrorTitle = "Velkora Error";

class Prompter {
 public:
  virtual ~Prompter() = default;

  virtual MessageAnswer ShowMessage(const Message& message) = 0;

  // Open-file and save-file dialogs with a preset file name and a title. No value when the
  // user cancels or the dialog fails.
  virtual std::optional<std::string> AskOpenFileName(const std::string& title,
                                                     const std::string& presetName) = 0;
  virtual std::optional<std::string> AskSaveFileName(const std::string& title,
                                                     const std::string& presetName) = 0;
};

// The file-problem message: the text, a line break and the file's full path, with the
// critical icon, an OK button and kErrorTitle.
inline Message FileErrorMessage(const std::string& text, const std::string& path) {
  return Message{text + "\r\n" + path, MessageIcon::kCritical, MessageButtons::kOk, kErrorTitle};
}

}  // namespace velkora
