// The input-file list: adding files by dialog, drop or command line, refusing unreadable
// ones with a message, and emptying the list.
#include "app/InputFileList.h"

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "engine/input/FormatDetection.h"

namespace velkora {

namespace {

std::string FileCountText(std::size_t count) {
  if (count == 1) {
    return "( 1 File In List )";
  }
  return "( " + std::to_string(count) + " Files In List )";
}

std::string TwoDigits(int value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

void SelectLastEntry(Control& list) {
  list.selected = static_cast<std::int64_t>(list.items.size()) - 1;
  list.text = list.items.empty() ? std::string{} : list.items.back();
}

}  // namespace

std::string TodayAsMmddyy() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (local == nullptr) {
    return "000000";
  }
  return TwoDigits(local->tm_mon + 1) + TwoDigits(local->tm_mday) + TwoDigits(local->tm_year % 100);
}

std::string ProposedReportFileName(const std::string& inputPath, const std::string& mmddyy) {
  const std::string fileName = "Velkora" + mmddyy + ".txt";
  const std::filesystem::path folder = std::filesystem::path(inputPath).parent_path();
  std::string result = folder.string();
  if (result.empty()) {
    return fileName;
  }
  // The root folder already ends with its separator.
  if (result.back() != std::filesystem::path::preferred_separator) {
    result += static_cast<char>(std::filesystem::path::preferred_separator);
  }
  return result + fileName;
}

bool AddToInputList(std::vector<std::string>& files, const std::string& path, Prompter* prompter) {
  if (std::find(files.begin(), files.end(), path) != files.end()) {
    return false;
  }
  if (prompter != nullptr) {
    const InputLayout layout = DetectFormat(path).layout;
    if (layout == InputLayout::kUnrecognized) {
      prompter->ShowMessage(FileErrorMessage("Unrecognized File Format in", path));
      return false;
    }
    if (layout == InputLayout::kCannotOpen) {
      prompter->ShowMessage(FileErrorMessage("Unable To Open Specified File:", path));
      return false;
    }
  }
  files.push_back(path);
  return true;
}

void AddInputFile(Session& session, MainForm& form, Prompter* prompter, const std::string& path) {
  session.lastFileName = path;
  std::vector<std::string>& entries = form.loadedFiles.items;
  if (!AddToInputList(entries, path, prompter)) {
    return;
  }
  if (entries.size() == 1) {
    session.reportFileName = ProposedReportFileName(path, TodayAsMmddyy());
    form.btnAdd.text = "Add";
    form.mnuFileAdd.text = "Add An Input File";
    form.btnListClr.visible = true;
    form.mnuListClr.enabled = true;
  }
  form.lblCount.text = std::string(15, ' ') + "Input File List :" + std::string(26, ' ') +
                       FileCountText(entries.size());
  SelectLastEntry(form.loadedFiles);
}

void ResetFileList(Session& session, MainForm& form) {
  form.loadedFiles.items.clear();
  SelectLastEntry(form.loadedFiles);
  form.btnAdd.text = "Load";
  form.mnuFileAdd.text = "Load An Input File";
  session.reportFileName.clear();
  form.lblCount.text = "Input File List :";
  form.btnListClr.visible = false;
  form.mnuListClr.enabled = false;
}

void AddFileByDialog(Session& session, MainForm& form, Prompter& prompter) {
  const Control& list = form.loadedFiles;
  const bool hasSelection =
      list.selected >= 0 && list.selected < static_cast<std::int64_t>(list.items.size());
  const std::string selectedText =
      hasSelection ? list.items[static_cast<std::size_t>(list.selected)] : std::string{};
  const std::string title = list.items.empty() ? "Select An Input File" : "Add Another Input File";
  const std::optional<std::string> chosen = prompter.AskOpenFileName(title, selectedText);
  if (!chosen || *chosen == selectedText) {
    return;
  }
  AddInputFile(session, form, &prompter, *chosen);
}

void AddDroppedFiles(Session& session, MainForm& form, Prompter& prompter,
                     const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    AddInputFile(session, form, &prompter, path);
  }
}

void LoadedFilesKeyDown(Session& session, MainForm& form, ListKey key) {
  if (key == ListKey::kBackspace || key == ListKey::kDelete) {
    ResetFileList(session, form);
  }
}

}  // namespace velkora
