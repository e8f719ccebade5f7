// Setting up a case's files and checking what a run left in them.
#include "support/CaseFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <sstream>
#include <vector>

#include "support/Files.h"

namespace velkora::testing {

namespace fs = std::filesystem;

namespace {

// "sample NAME as NEW" copies NAME under the name NEW; without "as" the file keeps its name.
std::string TargetName(const Directive& directive) {
  return directive.Arg(2) == "as" ? directive.Arg(3)
                                  : fs::path(directive.Arg(1)).filename().string();
}

void Write(const fs::path& folder, const std::string& name, const std::string& bytes,
           WrittenFiles& written) {
  fs::create_directories((folder / name).parent_path());
  written[name] = bytes;
  WriteWhole(folder / name, bytes);
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

}  // namespace

bool IsSetUp(const Directive& directive) {
  static const std::vector<std::string> kWords = {"file",   "append",   "sample", "realdata",
                                                  "folder", "readonly", "link",   "fifo"};
  return std::find(kWords.begin(), kWords.end(), directive.tokens[0]) != kWords.end();
}

SetUp SetUpFile(const Directive& directive, const fs::path& folder, WrittenFiles& written) {
  const std::string& word = directive.tokens[0];
  const std::string name = directive.Arg(1);
  if (word == "file") {
    Write(folder, name, directive.Content(), written);
  } else if (word == "append") {
    Write(folder, name, written[name] + directive.Content(), written);
  } else if (word == "sample" || word == "realdata") {
    const fs::path source = word == "sample" ? DataPath(name) : RealDataPath(name);
    if (!fs::exists(source)) {
      return SetUp::kSkip;
    }
    Write(folder, TargetName(directive), directive.Repeated(ReadWhole(source)), written);
  } else if (word == "folder") {
    fs::create_directories(folder / name);
  } else if (word == "link") {
    fs::create_symlink(directive.Arg(2), folder / name);
  } else if (word == "fifo") {
    mkfifo((folder / name).c_str(), 0600);
  } else if (word == "readonly") {
    // Root writes where it likes: a read-only case means nothing there.
    if (geteuid() == 0) {
      return SetUp::kSkip;
    }
    fs::permissions(folder / name,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  } else {
    return SetUp::kNotSetUp;
  }
  return SetUp::kDone;
}

std::string ExpectedBytes(const Directive& directive) {
  const auto equals = std::find(directive.tokens.begin(), directive.tokens.end(), "=");
  if (equals != directive.tokens.end() && equals + 1 != directive.tokens.end()) {
    return ReadWhole(DataPath(*(equals + 1)));
  }
  return directive.Content();
}

bool CheckFile(const Directive& directive, const fs::path& folder, const WrittenFiles& written) {
  const std::string& word = directive.tokens[0];
  const std::string name = directive.Arg(1);
  if (word == "output") {
    EXPECT_TRUE(fs::exists(folder / name)) << name;
    EXPECT_EQ(ReadWhole(folder / name), ExpectedBytes(directive)) << name;
  } else if (word == "absent") {
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / name))) << name;
  } else if (word == "close") {
    ExpectClose(ReadWhole(folder / name), ReadWhole(folder / directive.Arg(2)),
                std::stod(directive.Arg(3)));
  } else if (word == "symlink") {
    EXPECT_TRUE(fs::is_symlink(folder / name)) << name;
  } else if (word == "unchanged") {
    EXPECT_EQ(ReadWhole(folder / name), written.at(name)) << name;
  } else {
    return false;
  }
  return true;
}

void ExpectNoTemporaryFiles(const fs::path& folder) {
  std::error_code error;
  for (auto entry = fs::recursive_directory_iterator(
           folder, fs::directory_options::skip_permission_denied, error);
       entry != fs::recursive_directory_iterator(); entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    EXPECT_EQ(name.find(".velkora-"), std::string::npos)
        << "temporary file left: " << entry->path();
  }
}

}  // namespace velkora::testing
