// The main window's choice of the output file and its layout.
#include "app/OutputSelection.h"

#include <optional>

namespace velkora {

void SelectOutputFileByDialog(MainForm& form, Prompter& prompter) {
  const std::optional<std::string> chosen =
      prompter.AskSaveFileName(kOutputFileDialogTitle, form.oFileName.text);
  if (chosen) {
    form.oFileName.text = *chosen;
  }
}

void DropOutputFile(MainForm& form, const std::vector<std::string>& paths) {
  if (!paths.empty()) {
    form.oFileName.text = paths.front();
  }
}

void SelectOutputFormat(MainForm& form, std::size_t entry) {
  if (entry >= form.outFormat.items.size()) {
    return;
  }
  form.outFormat.selected = static_cast<std::int64_t>(entry);
  form.outFormat.text = form.outFormat.items[entry];
}

}  // namespace velkora
