// Runs the built velkora-cli as a separate program in a scratch folder, with a fixed report
// date, and hands back both streams, the exit code and the folder's files.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace velkora::cli_test {

struct CliOutcome {
  std::string out;
  std::string err;
  int exitCode = -1;
};

inline std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

inline void WriteWhole(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::filesystem::path SampleFile(const std::string& name) {
  return std::filesystem::path(VELKORA_TEST_DATA_DIR) / name;
}

inline std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

// An empty folder of the running test's own, removed again when the test ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "-" + test->name();
    for (char& c : name) {
      c = std::isalnum(static_cast<unsigned char>(c)) ? c : '-';
    }
    path_ = std::filesystem::path(::testing::TempDir()) / ("velkora-cli-" + name);
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Copies sample files in, so that the command names them without a folder.
  void CopySamples(const std::vector<std::string>& names) const {
    for (const std::string& name : names) {
      std::filesystem::copy_file(SampleFile(name), path_ / std::filesystem::path(name).filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    }
  }

 private:
  std::filesystem::path path_;
};

// Runs velkora-cli with `args` in `folder`; the report date is 1 January 1970.
inline CliOutcome RunCli(const std::vector<std::string>& args,
                         const std::filesystem::path& folder) {
  const std::filesystem::path out = folder / ".stdout";
  const std::filesystem::path err = folder / ".stderr";
  std::string command = "cd " + ShellQuoted(folder.string()) + " && SOURCE_DATE_EPOCH=0 " +
                        ShellQuoted(VELKORA_CLI_PATH);
  for (const std::string& arg : args) {
    command += " " + ShellQuoted(arg);
  }
  command += " >" + ShellQuoted(out.string()) + " 2>" + ShellQuoted(err.string()) + " </dev/null";
  const int status = std::system(command.c_str());
  CliOutcome outcome;
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.out = ReadWhole(out);
  outcome.err = ReadWhole(err);
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return outcome;
}

}  // namespace velkora::cli_test
