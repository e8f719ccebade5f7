// The folder of the running executable: start-up keeps the header defaults beside it for a
// portable copy, in the user's configuration folder for an installed one.
#include "cli/ProgramStart.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "session/Startup.h"

namespace velkora::cli {

namespace {

// Where the system cannot name the executable, the current folder stands in for it.
std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : program.parent_path().string();
}

}  // namespace

void StartAsProgram(SessionState& session, MainForm& form, Prompter& prompter) {
  StartUp(session, form, prompter, ProgramFolder(), {});
}

}  // namespace velkora::cli
