// The input-file list: adding files by dialog, drop or command line, refusing unreadable
// ones with a message, and emptying the list.
#include "input/InputFileList.h"

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "input/FormatDetection.h"

namespace velkora {

namespace {

constexpr int kBackspaceKey = 8;
constexpr int kDeleteKey = 46;

std::string FileCountText(std::int64_t count) {
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

void AddInputFile(SessionState& session, MainForm& form, Prompter& prompter) {
  std::vector<std::string>& entries = form.loadedFiles.items;
  if (std::find(entries.begin(), entries.end(), session.curFileName) != entries.end()) {
    return;
  }
  DetectFormat(session);
  if (!session.loadingFromCommandLine) {
    if (session.inFormat == format::kUnrecognized) {
      prompter.ShowMessage(FileErrorMessage("Unrecognized File Format in", session.curFileName));
      return;
    }
    if (session.inFormat == format::kCannotOpen) {
      prompter.ShowMessage(FileErrorMessage("Unable To Open Specified File:", session.curFileName));
      return;
    }
  }
  if (session.fileCount == 0) {
    session.reportFileName = ProposedReportFileName(session.curFileName, TodayAsMmddyy());
  }
  entries.push_back(session.curFileName);
  session.fileCount = static_cast<std::int64_t>(entries.size());
  session.msgText = FileCountText(session.fileCount);
  if (session.fileCount == 1) {
    form.btnAdd.text = "Add";
    form.mnuFileAdd.text = "Add An Input File";
    form.btnListClr.visible = true;
    form.mnuListClr.enabled = true;
  }
  form.lblCount.text =
      std::string(15, ' ') + "Input File List :" + std::string(26, ' ') + session.msgText;
  SelectLastEntry(form.loadedFiles);
}

void ResetFileList(SessionState& session, MainForm& form) {
  form.loadedFiles.items.clear();
  SelectLastEntry(form.loadedFiles);
  form.btnAdd.text = "Load";
  form.mnuFileAdd.text = "Load An Input File";
  session.fileCount = 0;
  session.reportFileName.clear();
  form.lblCount.text = "Input File List :";
  form.btnListClr.visible = false;
  form.mnuListClr.enabled = false;
}

void AddFileByDialog(SessionState& session, MainForm& form, Prompter& prompter) {
  const Control& list = form.loadedFiles;
  const bool hasSelection =
      list.selected >= 0 && list.selected < static_cast<std::int64_t>(list.items.size());
  const std::string selectedText =
      hasSelection ? list.items[static_cast<std::size_t>(list.selected)] : std::string{};
  const std::string title =
      session.fileCount > 0 ? "Add Another Input File" : "Select An Input File";
  const std::optional<std::string> chosen = prompter.AskOpenFileName(title, selectedText);
  if (!chosen || *chosen == selectedText) {
    return;
  }
  session.curFileName = *chosen;
  AddInputFile(session, form, prompter);
}

void AddDroppedFiles(SessionState& session, MainForm& form, Prompter& prompter,
                     const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    session.curFileName = path;
    AddInputFile(session, form, prompter);
  }
}

void LoadedFilesKeyDown(SessionState& session, MainForm& form, int keyCode) {
  if (keyCode == kBackspaceKey || keyCode == kDeleteKey) {
    ResetFileList(session, form);
  }
}

}  // namespace velkora
