// Where the header defaults file lives: beside the program for a portable copy, in the
// user's configuration folder for an installed one.
#pragma once

#include <string>
#include <string_view>

namespace velkora {

// `fileName` in `folder`, with one separator between them.
std::string PathInFolder(const std::string& folder, std::string_view fileName);

// The folders that name a user's configuration home: $XDG_CONFIG_HOME and $HOME.
struct UserFolders {
  std::string configHome;
  std::string home;
};

UserFolders UserFoldersFromEnvironment();

// A copy of the program that may keep its settings beside itself: its folder can be written
// and it is not an installed copy (one with share/velkora beside its bin folder).
bool IsPortableCopy(const std::string& programFolder);

// The header defaults file: "Velkora.ini" beside a portable copy, otherwise in "velkora"
// under the configuration home ($XDG_CONFIG_HOME when it is an absolute path, else
// $HOME/.config). Without either, the program's folder is all there is.
std::string HeaderDefaultsPath(const std::string& programFolder, const UserFolders& user);

// Creates the folder that holds `iniPath` when it is missing, before the file is written.
// False when it cannot be created.
bool CreateSettingsFolder(const std::string& iniPath);

}  // namespace velkora
