// Chooses the header defaults file's folder: beside the program, or the XDG configuration
// folder when the program is installed or its folder is read-only.
#include "engine/settings/SettingsLocation.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace velkora {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeaderDefaultsFileName = "Velkora.ini";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

fs::path FolderOf(const std::string& programFolder) {
  fs::path folder(programFolder);
  return folder.has_filename() ? folder : folder.parent_path();
}

// Permission bits do not say what this user may do (root, access lists, read-only mounts):
// only creating a file there does.
bool CanWriteInto(const fs::path& folder) {
  std::random_device random;
  const fs::path probe = folder / (".velkora-write-test-" + std::to_string(random()));
  if (!std::ofstream(probe, std::ios::binary)) {
    return false;
  }
  std::error_code error;
  fs::remove(probe, error);
  return true;
}

}  // namespace

std::string PathInFolder(const std::string& folder, std::string_view fileName) {
  constexpr char kSeparator = static_cast<char>(fs::path::preferred_separator);
  std::string path = folder;
  // A drive's root folder already ends in its separator.
  if (path.empty() || (path.back() != kSeparator && path.back() != '/')) {
    path += kSeparator;
  }
  path += fileName;
  return path;
}

UserFolders UserFoldersFromEnvironment() {
  return UserFolders{Environment("XDG_CONFIG_HOME"), Environment("HOME")};
}

bool IsPortableCopy(const std::string& programFolder) {
  const fs::path folder = FolderOf(programFolder);
  std::error_code error;
  // An installed copy is one of a system's programs even for a user who may write its folder
  // (root): its settings belong to the user, not into bin/.
  if (fs::is_directory(folder.parent_path() / "share" / "velkora", error)) {
    return false;
  }
  return fs::is_directory(folder, error) && CanWriteInto(folder);
}

std::string HeaderDefaultsPath(const std::string& programFolder, const UserFolders& user) {
  if (IsPortableCopy(programFolder)) {
    return PathInFolder(programFolder, kHeaderDefaultsFileName);
  }
  fs::path configHome;
  // A relative $XDG_CONFIG_HOME is invalid and ignored, as the XDG rules ask.
  if (!user.configHome.empty() && fs::path(user.configHome).is_absolute()) {
    configHome = user.configHome;
  } else if (!user.home.empty()) {
    configHome = fs::path(user.home) / ".config";
  } else {
    return PathInFolder(programFolder, kHeaderDefaultsFileName);
  }
  return PathInFolder((configHome / "velkora").string(), kHeaderDefaultsFileName);
}

bool CreateSettingsFolder(const std::string& iniPath) {
  const fs::path folder = fs::path(iniPath).parent_path();
  if (folder.empty()) {
    return true;
  }
  std::error_code error;
  fs::create_directories(folder, error);
  return !error && fs::is_directory(folder, error);
}

}  // namespace velkora
