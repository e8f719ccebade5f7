// velkora-cli fit run as a program: the boxes and residual table from point numbers of a
// reference file and from a pairs file, the failures and the usage errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliProcess.h"

namespace velkora::cli_test {
namespace {

struct FitRow {
  const char* name;
  std::vector<std::string> args;  // after "fit", run beside the sample files
  std::string out;
  std::string err;
  int exitCode;
};

class FitCommand : public ::testing::TestWithParam<FitRow> {};

TEST_P(FitCommand, PrintsTheFit) {
  const FitRow& row = GetParam();
  ScratchFolder scratch;
  scratch.CopySamples({"cli/reference-control.txt", "cli/control-pairs.txt"});
  WriteWhole(scratch.Path() / "bad-pairs.txt", "# pairs\r\n1,2,3,4\r\n\r\n1,2,3\r\n");
  std::vector<std::string> args = {"fit"};
  args.insert(args.end(), row.args.begin(), row.args.end());

  const CliOutcome outcome = RunCli(args, scratch.Path());
  EXPECT_EQ(outcome.out, row.out);
  EXPECT_EQ(outcome.err, row.err);
  EXPECT_EQ(outcome.exitCode, row.exitCode);
}

std::string RowName(const ::testing::TestParamInfo<FitRow>& info) {
  return info.param.name;
}

// The square 1-4 moved by (10, 20) onto 11-14, with 13 lying 0.4 east of its place.
const std::string kSquareBoxes =
    "dX=10.0000\ndY=20.0000\nangle=+0 03 26.0586789506023\nscale=1.00100049950037\n";

std::string SquareTable(const std::vector<std::string>& numbers) {
  const std::string rows[] = {
      "    1010.0000    1020.0000   0.0000   0.0000   0.0000\r\n",
      "    1110.0000    1020.0000   0.1000  -0.1000   0.1414\r\n",
      "    1110.4000    1120.0000  -0.2000   0.0000   0.2000 *\r\n",
      "    1010.0000    1120.0000   0.1000   0.1000   0.1414\r\n",
  };
  std::string table =
      "\r\nControl Pair Residuals (fitted minus given target coordinates)\r\n"
      "--------------------------------------------------------------\r\n"
      "Pair  Source Pt Target Pt     Target X     Target Y  Resid X  Resid Y   Length\r\n"
      "----  --------- ---------  -----------  -----------  -------  -------  -------\r\n";
  for (std::size_t i = 0; i < 4; ++i) {
    table += "   " + std::to_string(i + 1) + "  " + numbers[i] + rows[i];
  }
  return table +
         "  RMS, the root mean square of the 4 residual lengths:                  0.1414\r\n"
         "  * Longer than three times the RMS of a fit without that pair.\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Fits, FitCommand,
    ::testing::Values(
        FitRow{"ReferenceNumbers",
               {"--reference", "reference-control.txt", "--pairs", "1:11,2:12, 3 : 13 ,4:14"},
               kSquareBoxes + SquareTable({"1         11       ", "2         12       ",
                                           "3         13       ", "4         14       "}),
               "",
               0},
        FitRow{"PairsFile",
               {"--pairs-file", "control-pairs.txt"},
               kSquareBoxes + SquareTable({"                   ", "                   ",
                                           "                   ", "                   "}),
               "",
               0},
        // Two pairs: the boxes factors --points 1,2,11,12 prints.
        FitRow{"TwoPairsAsCalculate",
               {"--reference", "reference-control.txt", "--pairs", "1:11,2:12"},
               "dX=10.0000\ndY=20.0000\nangle=+0 00 00\nscale=1\n"
               "\r\nControl Pair Residuals (fitted minus given target coordinates)\r\n"
               "--------------------------------------------------------------\r\n"
               "Pair  Source Pt Target Pt     Target X     Target Y  Resid X  Resid Y   Length\r\n"
               "----  --------- ---------  -----------  -----------  -------  -------  -------\r\n"
               "   1  1         11           1010.0000    1020.0000   0.0000   0.0000   0.0000\r\n"
               "   2  2         12           1110.0000    1020.0000   0.0000   0.0000   0.0000\r\n"
               "  RMS, the root mean square of the 2 residual lengths:                  0.0000\r\n"
               "  Four pairs or more are needed to flag a pair.\r\n",
               "",
               0}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Failures, FitCommand,
    ::testing::Values(
        FitRow{"NumberNotInTheFile",
               {"--reference", "reference-control.txt", "--pairs", "1:11,2:99"},
               "",
               "velkora-cli: Point 99 is not in the reference file.\n",
               1},
        FitRow{"OnePair",
               {"--reference", "reference-control.txt", "--pairs", "1:11"},
               "",
               "velkora-cli: A fit needs at least two control pairs.\n",
               1},
        FitRow{"SourcePointsAtOnePlace",
               {"--reference", "reference-control.txt", "--pairs", "1:11,5:12"},
               "",
               "velkora-cli: The source points of the control pairs all lie at one place.\n",
               1},
        FitRow{"TargetPointsAtOnePlace",
               {"--reference", "reference-control.txt", "--pairs", "1:11,2:11,3:11"},
               "",
               "velkora-cli: The destination points of the control pairs give a scale of "
               "zero.\n",
               1},
        FitRow{"ReferenceFileMissing",
               {"--reference", "none.csv", "--pairs", "1:11,2:12"},
               "",
               "velkora-cli: no control points could be loaded from none.csv\n",
               1},
        FitRow{"PairsFileMissing",
               {"--pairs-file", "none.txt"},
               "",
               "velkora-cli: Unable to open the control pairs file none.txt.\n",
               1},
        FitRow{"PairsFileBadLine",
               {"--pairs-file", "bad-pairs.txt"},
               "",
               "velkora-cli: Line 4 of bad-pairs.txt does not hold four numbers: source X, Y, "
               "destination X, Y.\n",
               1}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, FitCommand,
    ::testing::Values(
        FitRow{"NoPairs",
               {},
               "",
               "velkora-cli: give the pairs with --reference and --pairs, or with --pairs-file\n",
               2},
        FitRow{"PairsWithoutReference",
               {"--pairs", "1:11,2:12"},
               "",
               "velkora-cli: --reference and --pairs go together\n",
               2},
        FitRow{"ReferenceWithoutPairs",
               {"--reference", "reference-control.txt"},
               "",
               "velkora-cli: --reference and --pairs go together\n",
               2},
        FitRow{"BothKindsOfPairs",
               {"--reference", "reference-control.txt", "--pairs", "1:11,2:12", "--pairs-file",
                "control-pairs.txt"},
               "",
               "velkora-cli: give either --pairs or --pairs-file, not both\n",
               2},
        FitRow{"PairsFileWithReference",
               {"--reference", "reference-control.txt", "--pairs-file", "control-pairs.txt"},
               "",
               "velkora-cli: --pairs-file holds coordinates: it takes no --reference\n",
               2},
        FitRow{"PairWithoutColon",
               {"--reference", "reference-control.txt", "--pairs", "1:11,2-12"},
               "",
               "velkora-cli: --pairs needs SOURCE:DESTINATION numbers separated by commas, not "
               "'1:11,2-12'\n",
               2},
        FitRow{"PairWithEmptyNumber",
               {"--reference", "reference-control.txt", "--pairs", "1:11,:12"},
               "",
               "velkora-cli: --pairs needs SOURCE:DESTINATION numbers separated by commas, not "
               "'1:11,:12'\n",
               2},
        FitRow{"InputFileGiven",
               {"control-pairs.txt"},
               "",
               "velkora-cli: unexpected argument 'control-pairs.txt' for fit\n",
               2}),
    RowName);

// convert with control pairs: the fitted factors move the points and the report carries the
// residual table, unless a factor is overridden on the command line.
struct ConvertPairsRow {
  const char* name;
  std::vector<std::string> args;  // between "convert" and the input file
  bool table;
  std::string err;
  int exitCode;
};

class ConvertWithPairs : public ::testing::TestWithParam<ConvertPairsRow> {};

TEST_P(ConvertWithPairs, FitsAndReports) {
  const ConvertPairsRow& row = GetParam();
  ScratchFolder scratch;
  scratch.CopySamples({"cli/reference-control.txt", "cli/control-pairs.txt"});
  WriteWhole(scratch.Path() / "square.csv",
             "1,1000,1000,0,,\r\n2,1100,1000,0,,\r\n3,1100,1100,0,,\r\n4,1000,1100,0,,\r\n");
  std::vector<std::string> args = {"convert", "-o", "moved.csv", "-f", "0", "--print-report"};
  args.insert(args.end(), row.args.begin(), row.args.end());
  args.push_back("square.csv");

  const CliOutcome outcome = RunCli(args, scratch.Path());
  EXPECT_EQ(outcome.err, row.err);
  EXPECT_EQ(outcome.exitCode, row.exitCode);
  if (row.exitCode != 0) {
    EXPECT_EQ(outcome.out, "");
    return;
  }
  const std::string table = SquareTable(
      {"1         11       ", "2         12       ", "3         13       ", "4         14       "});
  EXPECT_EQ(outcome.out.find("  Scale Factor = Source Distance  * 1.00100049950037\r\n" + table +
                             "\r\nInput File List\r\n") != std::string::npos,
            row.table)
      << outcome.out;
  if (row.table) {
    EXPECT_EQ(ReadWhole(scratch.Path() / "moved.csv"),
              "1,1010.0000,1020.0000\r\n2,1110.1000,1019.9000\r\n"
              "3,1110.2000,1120.0000\r\n4,1010.1000,1120.1000\r\n");
  }
}

std::string ConvertRowName(const ::testing::TestParamInfo<ConvertPairsRow>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Convert, ConvertWithPairs,
    ::testing::Values(
        ConvertPairsRow{"ReferenceNumbers",
                        {"--reference", "reference-control.txt", "--pairs", "1:11,2:12,3:13,4:14"},
                        true,
                        "",
                        0},
        ConvertPairsRow{"ScaleTypedOverTheFit",
                        {"--reference", "reference-control.txt", "--pairs", "1:11,2:12,3:13,4:14",
                         "--scale", "1.001"},
                        false,
                        "",
                        0},
        ConvertPairsRow{"PairsWithPoints",
                        {"--reference", "reference-control.txt", "--pairs", "1:11,2:12", "--points",
                         "1,2,11,12"},
                        false,
                        "velkora-cli: --pairs and --pairs-file cannot be combined with --points\n",
                        2},
        ConvertPairsRow{"PairsFileWithCalculate",
                        {"--pairs-file", "control-pairs.txt", "--calculate"},
                        false,
                        "velkora-cli: --pairs and --pairs-file cannot be combined with "
                        "--calculate\n",
                        2},
        ConvertPairsRow{"PairsThatCannotBeFitted",
                        {"--reference", "reference-control.txt", "--pairs", "1:11"},
                        false,
                        "velkora-cli: A fit needs at least two control pairs.\n",
                        1}),
    ConvertRowName);

}  // namespace
}  // namespace velkora::cli_test
