// The start-up sequence, run once before the main window is shown.
#include "session/Startup.h"

#include "input/InputFileList.h"
#include "session/SettingsLocation.h"
#include "session/TextColumns.h"
#include "ui/HeaderDefaults.h"
#include "ui/MainFormCommands.h"

namespace velkora {

std::vector<std::string> SplitCommandLine(std::string_view text) {
  std::vector<std::string> names;
  std::string_view rest = Trim(text);
  while (!rest.empty()) {
    std::size_t end = 0;
    if (rest.front() == '"') {
      rest.remove_prefix(1);
      end = rest.find('"');
    } else {
      end = rest.find(' ');
    }
    names.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : Trim(rest.substr(end + 1));
  }
  return names;
}

void StartUp(SessionState& session, MainForm& form, Prompter& prompter,
             const std::string& programFolder, const std::vector<std::string>& fileNames) {
  session.helpPath = PathInFolder(programFolder, "Velkora.hlp");
  session.iniPath = HeaderDefaultsPath(programFolder, UserFoldersFromEnvironment());
  session.controlDecimals = 4;
  session.outputDecimals = 4;
  form.btnAdd.text = "Load";
  FormLoad(session, form);
  session.inDelim = ';';
  LoadHeaderDefaults(session);

  session.loadingFromCommandLine = true;
  for (const std::string& name : fileNames) {
    // An empty quoted name ("") names no file.
    if (name.empty()) {
      continue;
    }
    session.curFileName = name;
    AddInputFile(session, form, prompter);
  }
  session.loadingFromCommandLine = false;

  if (session.fileCount > 0 && !form.loadedFiles.items.empty()) {
    form.loadedFiles.selected = 0;
    form.loadedFiles.text = form.loadedFiles.items.front();
  }
}

}  // namespace velkora
