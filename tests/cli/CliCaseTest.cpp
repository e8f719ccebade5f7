// Runs every velkora-cli case of tests/cases/cli/*.case: the files a case sets up, the command
// lines in order, then the exit code, both streams and the files left behind, all byte for
// byte, or two files number by number. A stream a case says nothing of must stay empty; no
// temporary output file may be left over.
#include <gtest/gtest.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/CaseText.h"
#include "support/Files.h"
#include "support/RunProgram.h"

namespace velkora::testing {
namespace {

namespace fs = std::filesystem;

// A case's folder: the program (linked in, so that it finds no header defaults but the case's
// own), the working folder the command runs in, and a home of its own.
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
  fs::path Work(const std::string& name = "") const { return scratch_ / "work" / name; }
  fs::path Scratch() const { return scratch_.Path(); }

 private:
  ScratchFolder scratch_;
};

std::string SourcePath(const Directive& directive) {
  return directive.tokens.size() >= 4 && directive.tokens[2] == "as" ? directive.tokens[3]
                                                                     : directive.tokens[1];
}

// Sets up one file or folder; false when the case cannot run here.
bool Prepare(const Directive& directive, const CaseFolder& folder,
             std::map<std::string, std::string>& written, std::vector<std::string>& environment) {
  const std::string& word = directive.tokens[0];
  const std::string name = directive.tokens.size() > 1 ? directive.tokens[1] : "";
  if (word == "file") {
    fs::create_directories(folder.Work(name).parent_path());
    written[name] = directive.block.value_or("");
    WriteWhole(folder.Work(name), written[name]);
  } else if (word == "sample" || word == "realdata") {
    const fs::path source = word == "sample" ? DataPath(name) : RealDataPath(name);
    if (!fs::exists(source)) {
      return false;
    }
    const std::string target = fs::path(SourcePath(directive)).filename().string();
    written[target] = ReadWhole(source);
    WriteWhole(folder.Work(target), written[target]);
  } else if (word == "folder") {
    fs::create_directories(folder.Work(name));
  } else if (word == "readonly") {
    // Root writes where it likes: a read-only case means nothing there.
    if (geteuid() == 0) {
      return false;
    }
    fs::permissions(folder.Work(name),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  } else if (word == "env") {
    environment.push_back(name);
  }
  return true;
}

// The expected bytes of a stream or file: its block, or a file under tests/data after "=".
std::string Expected(const Directive& directive, std::size_t nameTokens) {
  if (directive.tokens.size() > nameTokens + 1 && directive.tokens[nameTokens] == "=") {
    return ReadWhole(DataPath(directive.tokens[nameTokens + 1]));
  }
  return directive.block.value_or("");
}

// The tokens of a line, cut at commas and blanks; empty ones are left out.
std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::string token;
  for (const char c : line + ' ') {
    if (c == ',' || c == ' ' || c == '\r') {
      if (!token.empty()) {
        tokens.push_back(token);
      }
      token.clear();
    } else {
      token += c;
    }
  }
  return tokens;
}

std::optional<double> WholeNumber(const std::string& token) {
  double value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  return error == std::errc() && end == token.data() + token.size() ? std::optional(value)
                                                                    : std::nullopt;
}

// Two files hold the same lines, token for token, except that numbers may differ by up to
// `tolerance`: a round trip through a coarser rounding.
void ExpectClose(const std::string& actual, const std::string& expected, double tolerance) {
  std::istringstream actualLines(actual), expectedLines(expected);
  std::string a, e;
  int line = 1;
  for (; std::getline(expectedLines, e); ++line) {
    ASSERT_TRUE(std::getline(actualLines, a)) << "missing line " << line << ": " << e;
    const std::vector<std::string> got = Tokens(a), want = Tokens(e);
    ASSERT_EQ(got.size(), want.size()) << "line " << line << ": " << a;
    for (std::size_t i = 0; i < want.size(); ++i) {
      const std::optional<double> x = WholeNumber(got[i]), y = WholeNumber(want[i]);
      if (x && y) {
        EXPECT_LE(std::fabs(*x - *y), tolerance * (1 + 1e-9)) << "line " << line << ": " << a;
      } else {
        EXPECT_EQ(got[i], want[i]) << "line " << line;
      }
    }
  }
  EXPECT_FALSE(std::getline(actualLines, a)) << "extra line " << line << ": " << a;
}

void CheckLeftovers(const CaseFolder& folder) {
  for (const auto& entry : fs::recursive_directory_iterator(folder.Work())) {
    const std::string name = entry.path().filename().string();
    EXPECT_FALSE(name.find(".velkora-") != std::string::npos && name.ends_with(".tmp"))
        << "temporary file left: " << name;
  }
}

class CliCase : public ::testing::TestWithParam<Case> {};

TEST_P(CliCase, EndsAsExpected) {
  const Case& test = GetParam();
  SCOPED_TRACE(test.where);
  CaseFolder folder;
  std::map<std::string, std::string> written;
  std::vector<std::string> environment = {
      "SOURCE_DATE_EPOCH=0", "HOME=" + (folder.Scratch() / "home").string(),
      "XDG_CONFIG_HOME=" + (folder.Scratch() / "home" / ".config").string()};
  std::vector<std::vector<std::string>> steps;
  for (const Directive& directive : test.directives) {
    if (directive.tokens[0] == "args") {
      steps.emplace_back(directive.tokens.begin() + 1, directive.tokens.end());
    } else if (!Prepare(directive, folder, written, environment)) {
      GTEST_SKIP() << "needs what this machine does not give: line " << directive.line;
    }
  }
  // Each command line runs in turn; every one but the last must succeed. The streams are
  // those of all the runs, one after the other.
  ProgramRun run;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const ProgramRun step = RunProgram(folder.Program().string(), steps[i], folder.Work(),
                                       environment, folder.Scratch());
    if (i + 1 < steps.size()) {
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
    const std::string name = directive.tokens.size() > 1 ? directive.tokens[1] : "";
    if (word == "exit") {
      exitCode = std::stoi(name);
    } else if (word == "stdout") {
      out = Expected(directive, 1);
    } else if (word == "stderr") {
      err = Expected(directive, 1);
    } else if (word == "output") {
      EXPECT_EQ(ReadWhole(folder.Work(name)), Expected(directive, 2)) << name;
    } else if (word == "absent") {
      EXPECT_FALSE(fs::exists(folder.Work(name))) << name;
    } else if (word == "unchanged") {
      EXPECT_EQ(ReadWhole(folder.Work(name)), written[name]) << name;
    } else if (word == "close") {
      ExpectClose(ReadWhole(folder.Work(name)), ReadWhole(folder.Work(directive.tokens.at(2))),
                  std::stod(directive.tokens.at(3)));
    }
  }
  EXPECT_EQ(run.exitCode, exitCode);
  EXPECT_EQ(run.out, out);
  EXPECT_EQ(run.err, err);
  CheckLeftovers(folder);
}

INSTANTIATE_TEST_SUITE_P(Cases, CliCase,
                         ::testing::ValuesIn(ReadCaseFolder(VELKORA_CASES_DIR "/cli")),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return TestName(info.param.name);
                         });

}  // namespace
}  // namespace velkora::testing
