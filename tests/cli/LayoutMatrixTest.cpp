// Every sample file into every output layout with velkora-cli convert, on one thread and on
// two, against the expected files: the rows of tests/cases/matrix/samples.txt.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/CaseText.h"
#include "support/Files.h"
#include "support/RunProgram.h"

namespace velkora::testing {
namespace {

// The expected files' names for the entries of the output format list, in order.
constexpr std::array<const char*, 7> kLayoutNames = {
    "comma", "geopak-semicolon", "geopak-slash", "input-ne", "input-xy", "sdms", "eighty-column"};

class LayoutMatrix : public ::testing::TestWithParam<Row> {};

TEST_P(LayoutMatrix, EveryLayoutOnOneThreadAndTwo) {
  const std::vector<std::string>& row = GetParam().tokens;
  const std::string input = DataPath(row[0] + ".txt").string();
  ScratchFolder folder;
  const std::vector<std::string> environment = {"SOURCE_DATE_EPOCH=0",
                                                "HOME=" + folder.Path().string(),
                                                "XDG_CONFIG_HOME=" + folder.Path().string()};
  for (std::size_t entry = 0; entry < kLayoutNames.size(); ++entry) {
    for (const bool oneThread : {true, false}) {
      SCOPED_TRACE(std::string(kLayoutNames[entry]) + (oneThread ? " on one thread" : ""));
      std::vector<std::string> args = {"convert", "-o", "out.txt", "-f", std::to_string(entry),
                                       "--yes"};
      if (oneThread) {
        args.push_back("--one-thread");
      }
      args.insert(args.end(), row.begin() + 1, row.end());
      args.push_back(input);
      const ProgramRun run =
          RunProgram(VELKORA_CLI_PATH, args, folder.Path(), environment, folder.Path());
      EXPECT_EQ(run.exitCode, 0);
      EXPECT_EQ(run.out + run.err, "");
      EXPECT_EQ(
          ReadWhole(folder / "out.txt"),
          ReadWhole(DataPath("expected-cli/" + row[0] + "-to-" + kLayoutNames[entry] + ".txt")));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, LayoutMatrix,
                         ::testing::ValuesIn(ReadTable(VELKORA_CASES_DIR "/matrix/samples.txt")),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           return TestName(info.param.tokens[0]);
                         });

}  // namespace
}  // namespace velkora::testing
