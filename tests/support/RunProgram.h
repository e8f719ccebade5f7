// Runs a program as a separate process in a folder, without a shell, and hands back both
// streams and the exit code.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velkora::testing {

struct ProgramRun {
  std::string out;
  std::string err;
  int exitCode = -1;  // -1 when the program did not exit by itself (a signal, a crash)
};

// `environment` entries ("NAME=value") are added to the test's own environment. Stdin is
// /dev/null; the streams are captured through files in `captureFolder`.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::filesystem::path& folder,
                      const std::vector<std::string>& environment,
                      const std::filesystem::path& captureFolder);

}  // namespace velkora::testing
