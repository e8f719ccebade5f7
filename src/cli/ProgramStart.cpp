// The folder of the running executable.
#include "cli/ProgramStart.h"

#include <filesystem>
#include <system_error>

namespace velkora::cli {

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : program.parent_path().string();
}

}  // namespace velkora::cli
