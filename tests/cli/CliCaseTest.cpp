// Runs every velkora-cli case of tests/cases/cli/*.case: the files a case sets up, its command
// lines in order, then the exit code, both streams and the files left behind, all byte for
// byte. A stream a case says nothing of must stay empty; no temporary file may be left over.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/CaseFiles.h"
#include "support/Files.h"
#include "support/RunProgram.h"

namespace velkora::testing {
namespace {

namespace fs = std::filesystem;

// A case's folder: bin/ with the program linked in (so that it reads no header defaults but
// the case's own), work/ where the command runs and relative names point, and home/.
class CaseFolder {
 public:
  CaseFolder() {
    for (const char* folder : {"bin", "work", "home"}) {
      fs::create_directory(scratch_ / folder);
    }
    std::error_code error;
    fs::create_hard_link(VELKORA_CLI_PATH, Program(), error);
    if (error) {
      fs::copy_file(VELKORA_CLI_PATH, Program());
    }
  }
  fs::path Program() const { return scratch_ / "bin" / "velkora-cli"; }
  fs::path Work() const { return scratch_ / "work"; }
  fs::path Scratch() const { return scratch_.Path(); }

 private:
  ScratchFolder scratch_;
};

class CliCase : public ::testing::TestWithParam<Case> {};

TEST_P(CliCase, EndsAsExpected) {
  const Case& test = GetParam();
  SCOPED_TRACE(test.where);
  CaseFolder folder;
  WrittenFiles written;
  std::vector<std::string> environment = {
      "SOURCE_DATE_EPOCH=0", "HOME=" + (folder.Scratch() / "home").string(),
      "XDG_CONFIG_HOME=" + (folder.Scratch() / "home" / ".config").string()};
  std::vector<std::vector<std::string>> commandLines;
  for (const Directive& directive : test.directives) {
    const std::string& word = directive.tokens[0];
    if (word == "args") {
      commandLines.emplace_back(directive.tokens.begin() + 1, directive.tokens.end());
    } else if (word == "env") {
      environment.push_back(directive.Arg(1));
    } else if (SetUpFile(directive, folder.Work(), written) == SetUp::kSkip) {
      GTEST_SKIP() << "needs what this machine does not give: line " << directive.line;
    }
  }
  // Each command line runs in turn; every one but the last must succeed. The streams are
  // those of all the runs, one after the other.
  ProgramRun run;
  for (std::size_t i = 0; i < commandLines.size(); ++i) {
    const ProgramRun step = RunProgram(folder.Program().string(), commandLines[i], folder.Work(),
                                       environment, folder.Scratch());
    if (i + 1 < commandLines.size()) {
      EXPECT_EQ(step.exitCode, 0) << "command line " << i + 1 << ": " << step.err;
    }
    run.out += step.out;
    run.err += step.err;
    run.exitCode = step.exitCode;
  }

  int exitCode = 0;
  std::string out, err;
  for (const Directive& directive : test.directives) {
    const std::string& word = directive.tokens[0];
    if (word == "exit") {
      exitCode = std::stoi(directive.Arg(1));
    } else if (word == "stdout") {
      out = ExpectedBytes(directive);
    } else if (word == "stderr") {
      err = ExpectedBytes(directive);
    } else if (!CheckFile(directive, folder.Work(), written) && word != "args" && word != "env" &&
               !IsSetUp(directive)) {
      ADD_FAILURE() << "unknown directive '" << word << "' on line " << directive.line;
    }
  }
  EXPECT_EQ(run.exitCode, exitCode);
  EXPECT_EQ(run.out, out);
  EXPECT_EQ(run.err, err);
  ExpectNoTemporaryFiles(folder.Scratch());
}

INSTANTIATE_TEST_SUITE_P(Cases, CliCase,
                         ::testing::ValuesIn(ReadCaseFolder(VELKORA_CASES_DIR "/cli")),
                         CaseTestName);

}  // namespace
}  // namespace velkora::testing
