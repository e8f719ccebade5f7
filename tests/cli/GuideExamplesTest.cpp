// The user guide's console examples, run as written: each ```console block of docs/guide.md
// is a shell session on the installed sample files, and its output must match the guide.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/Files.h"
#include "support/RunProgram.h"

namespace velkora::testing {
namespace {

namespace fs = std::filesystem;

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
      inBlock = line == "```console";
      if (inBlock) {
        blocks.push_back(ConsoleBlock{number, {}, {}});
      }
    } else if (line == "```") {
      inBlock = false;
    } else if (continues || IsTyped(line)) {
      blocks.back().commands += (continues ? line : line.substr(2)) + "\n";
      continues = line.ends_with("\\");
    } else {
      blocks.back().expected += line + "\n";
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

TEST(GuideExamplesTest, EveryConsoleExampleGivesTheOutputShown) {
  const fs::path source = VELKORA_SOURCE_DIR;
  const std::vector<ConsoleBlock> blocks = ConsoleBlocks(ReadWhole(source / "docs/guide.md"));
  // The guide's sections on layouts, factors, the report and the command line all have them.
  ASSERT_GE(blocks.size(), 15u);
  // The reader's folder: the installed sample files in work/, velkora-cli in bin/ (so that no
  // header defaults of the build are read), December 5, 2025 as the report date.
  ScratchFolder folder;
  fs::create_directories(folder / "work");
  fs::create_directories(folder / "bin");
  fs::copy_file(VELKORA_CLI_PATH, folder / "bin/velkora-cli");
  std::istringstream examples(ReadWhole(source / "packaging/examples.txt"));
  for (std::string example; std::getline(examples, example);) {
    fs::copy_file(DataPath(example), folder / "work" / fs::path(example).filename());
  }
  const std::vector<std::string> environment = {
      "PATH=" + (folder / "bin").string() + ":/usr/bin:/bin", "HOME=" + folder.Path().string(),
      "XDG_CONFIG_HOME=" + folder.Path().string(), "LC_ALL=C", "SOURCE_DATE_EPOCH=1764892800"};
  for (const ConsoleBlock& block : blocks) {
    ASSERT_FALSE(block.commands.empty()) << "docs/guide.md:" << block.line;
    // Both streams in one, as the reader's terminal shows them.
    const ProgramRun run = RunProgram("/bin/sh", {"-c", "exec 2>&1\n" + block.commands},
                                      folder / "work", environment, folder.Path());
    EXPECT_EQ(AsShown(run.out), block.expected) << "docs/guide.md:" << block.line;
  }
}

}  // namespace
}  // namespace velkora::testing
