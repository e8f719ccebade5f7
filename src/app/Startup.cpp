// The start-up sequence, run once before the main window is shown.
#include "app/Startup.h"

#include "app/InputFileList.h"
#include "app/MainFormCommands.h"
#include "engine/settings/HeaderDefaults.h"
#include "engine/settings/SettingsLocation.h"
#include "engine/text/TextColumns.h"

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

void StartSession(Session& session, const std::string& programFolder) {
  session.helpPath = PathInFolder(programFolder, "Velkora.hlp");
  session.iniPath = HeaderDefaultsPath(programFolder, UserFoldersFromEnvironment());
  session.header = ReadHeaderDefaults(session.iniPath);
}

void StartUp(Session& session, MainForm& form, const std::string& programFolder,
             const std::vector<std::string>& fileNames) {
  StartSession(session, programFolder);
  form.btnAdd.text = "Load";
  FormLoad(form);
  for (const std::string& name : fileNames) {
    // An empty quoted name ("") names no file.
    if (!name.empty()) {
      AddInputFile(session, form, nullptr, name);
    }
  }
  if (!form.loadedFiles.items.empty()) {
    form.loadedFiles.selected = 0;
    form.loadedFiles.text = form.loadedFiles.items.front();
  }
}

}  // namespace velkora
