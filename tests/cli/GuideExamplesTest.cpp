// The user guide's console examples, run as written: each ```console block of docs/guide.md
// is a shell session on the installed sample files, and its output must match the guide.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliProcess.h"

namespace velkora::cli_test {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceRoot = fs::path(VELKORA_TEST_DATA_DIR).parent_path().parent_path();
// The report date of every example: December 5, 2025.
constexpr const char* kReportDate = "1764892800";

// A typed line is "$ " and one of the programs the guide runs; the sample files' own comment
// lines also start with "$ ", and are output.
bool IsTyped(const std::string& line) {
  for (const char* program : {"velkora-cli ", "cat ", "head ", "tail ", "grep ", "echo "}) {
    if (line.starts_with(std::string("$ ") + program)) {
      return true;
    }
  }
  return false;
}

struct ConsoleBlock {
  int line = 0;          // of the opening fence in the guide
  std::string commands;  // the typed lines without their prompt, continuations kept
  std::string expected;  // every other line
};

std::vector<ConsoleBlock> ConsoleBlocks(const std::string& guide) {
  std::vector<ConsoleBlock> blocks;
  std::istringstream text(guide);
  std::string line;
  bool inBlock = false;
  bool continues = false;
  for (int number = 1; std::getline(text, line); ++number) {
    if (!inBlock) {
      if (line == "```console") {
        inBlock = true;
        blocks.push_back(ConsoleBlock{number, {}, {}});
      }
      continue;
    }
    ConsoleBlock& block = blocks.back();
    if (line == "```") {
      inBlock = false;
    } else if (continues || IsTyped(line)) {
      block.commands += continues ? line : line.substr(2);
      block.commands += "\n";
      continues = line.ends_with("\\");
    } else {
      block.expected += line + "\n";
    }
  }
  return blocks;
}

// A terminal shows CR LF as a line end, so the guide holds LF alone: CR LF compares as LF.
std::string AsShown(const std::string& output) {
  std::string shown;
  for (std::size_t i = 0; i < output.size(); ++i) {
    if (!(output[i] == '\r' && i + 1 < output.size() && output[i + 1] == '\n')) {
      shown += output[i];
    }
  }
  return shown;
}

// A folder laid out as the reader's: the installed sample files in work/, and a copy of
// velkora-cli of its own in bin/, so that no header defaults file of the build is read.
class GuideSession {
 public:
  explicit GuideSession(const fs::path& root) : work_(root / "work"), bin_(root / "bin") {
    fs::create_directories(work_);
    fs::create_directories(bin_);
    fs::copy_file(VELKORA_CLI_PATH, bin_ / "velkora-cli");
    std::ifstream examples(kSourceRoot / "packaging" / "examples.txt");
    for (std::string example; std::getline(examples, example);) {
      fs::copy_file(SampleFile(example), work_ / fs::path(example).filename());
    }
  }

  // Runs the block's commands in one shell, as a reader types them one after the other.
  std::string Run(const ConsoleBlock& block) const {
    const fs::path script = work_.parent_path() / "block.sh";
    const fs::path output = work_.parent_path() / "block.out";
    WriteWhole(script, block.commands);
    const std::string command = "cd " + ShellQuoted(work_.string()) +
                                " && env -i PATH=" + ShellQuoted(bin_.string() + ":/usr/bin:/bin") +
                                " HOME=" + ShellQuoted(work_.parent_path().string()) +
                                " LC_ALL=C SOURCE_DATE_EPOCH=" + kReportDate + " sh " +
                                ShellQuoted(script.string()) + " >" + ShellQuoted(output.string()) +
                                " 2>&1 </dev/null";
    std::system(command.c_str());
    return AsShown(ReadWhole(output));
  }

 private:
  fs::path work_;
  fs::path bin_;
};

TEST(GuideExamplesTest, EveryConsoleExampleGivesTheOutputShown) {
  const std::vector<ConsoleBlock> blocks =
      ConsoleBlocks(ReadWhole(kSourceRoot / "docs" / "guide.md"));
  // The guide's sections on layouts, factors, the report and the command line all have them.
  ASSERT_GE(blocks.size(), 15u);
  ScratchFolder folder;
  const GuideSession session(folder.Path());
  for (const ConsoleBlock& block : blocks) {
    ASSERT_FALSE(block.commands.empty()) << "docs/guide.md:" << block.line;
    EXPECT_EQ(session.Run(block), block.expected) << "docs/guide.md:" << block.line;
  }
}

}  // namespace
}  // namespace velkora::cli_test
