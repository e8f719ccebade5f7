// velkora-cli factors run as a program: the four boxes Calculate fills, from typed control
// points and from point numbers of a reference file, and the refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliProcess.h"

namespace velkora::cli_test {
namespace {

struct FactorsRow {
  const char* name;
  std::vector<std::string> args;  // after "factors", run beside control-points.csv
  std::string out;
  std::string err;
  int exitCode;
};

class FactorsCommand : public ::testing::TestWithParam<FactorsRow> {};

TEST_P(FactorsCommand, PrintsTheBoxes) {
  const FactorsRow& row = GetParam();
  ScratchFolder scratch;
  scratch.CopySamples({"cli/control-points.csv", "not-coordinates.txt"});
  std::vector<std::string> args = {"factors"};
  args.insert(args.end(), row.args.begin(), row.args.end());

  const CliOutcome outcome = RunCli(args, scratch.Path());
  EXPECT_EQ(outcome.out, row.out);
  EXPECT_EQ(outcome.err, row.err);
  EXPECT_EQ(outcome.exitCode, row.exitCode);
}

std::string RowName(const ::testing::TestParamInfo<FactorsRow>& info) {
  return info.param.name;
}

std::vector<std::string> Points(const std::string& destinationReference) {
  return {"--source-pivot", "1000,1000", "--source-ref", "1000,2000",
          "--dest-pivot",   "5000,5000", "--dest-ref",   destinationReference};
}

INSTANTIATE_TEST_SUITE_P(
    TypedPoints, FactorsCommand,
    ::testing::Values(FactorsRow{"QuarterTurn", Points("6000,5000"),
                                 "dX=4000.0000\ndY=4000.0000\nangle=+90 00 00\nscale=1\n", "", 0},
                      FactorsRow{"HalfTurnKeptPositive", Points("5000,4000"),
                                 "dX=4000.0000\ndY=4000.0000\nangle=+180 00 00\nscale=1\n", "", 0},
                      FactorsRow{"DoubleDistance", Points("5000,7000"),
                                 "dX=4000.0000\ndY=4000.0000\nangle=+0 00 00\nscale=2\n", "", 0},
                      FactorsRow{"PivotsOnly",
                                 {"--source-pivot", "1000.5,1000", "--dest-pivot", "999.25,5000"},
                                 "dX=-1.2500\ndY=4000.0000\nangle=\nscale=\n",
                                 "",
                                 0},
                      FactorsRow{"SourcePivotMissing",
                                 {"--source-ref", "1000,2000", "--dest-pivot", "5000,5000",
                                  "--dest-ref", "6000,5000"},
                                 "dX=\ndY=\nangle=\nscale=\n",
                                 "",
                                 0},
                      FactorsRow{"NoPoints", {}, "dX=\ndY=\nangle=\nscale=\n", "", 0}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    ReferenceFile, FactorsCommand,
    ::testing::Values(
        FactorsRow{"QuarterTurn",
                   {"--reference", "control-points.csv", "--points", "1,2,10,11"},
                   "dX=4000.0000\ndY=4000.0000\nangle=+90 00 00\nscale=1\n",
                   "",
                   0},
        // Number 2 appears twice: the first in the file is used.
        FactorsRow{"DoubleDistance",
                   {"--reference", "control-points.csv", "--points", " 1 ,2,10,12"},
                   "dX=4000.0000\ndY=4000.0000\nangle=+0 00 00\nscale=2\n",
                   "",
                   0},
        FactorsRow{"EmptyNumbersLeaveTheirPointsEmpty",
                   {"--reference", "control-points.csv", "--points", "1,,10,"},
                   "dX=4000.0000\ndY=4000.0000\nangle=\nscale=\n",
                   "",
                   0},
        FactorsRow{"NumberNotInTheFile",
                   {"--reference", "control-points.csv", "--points", "1,2,10,011"},
                   "dX=4000.0000\ndY=4000.0000\nangle=\nscale=\n",
                   "velkora-cli: point 011 is not in control-points.csv; the destination "
                   "reference point stays empty\n",
                   0},
        FactorsRow{"ReferenceFileMissing",
                   {"--reference", "none.csv", "--points", "1,2,10,11"},
                   "",
                   "velkora-cli: cannot open reference file none.csv\n",
                   1},
        FactorsRow{"ReferenceFileNotCoordinates",
                   {"--reference", "not-coordinates.txt", "--points", "1,2,10,11"},
                   "",
                   "velkora-cli: reference file not-coordinates.txt is not a coordinate file\n",
                   1}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, FactorsCommand,
    ::testing::Values(
        FactorsRow{"CoordinateWithoutComma",
                   {"--dest-ref", "6000"},
                   "",
                   "velkora-cli: --dest-ref needs X,Y, not '6000'\n",
                   2},
        FactorsRow{"CoordinateWithTwoCommas",
                   {"--source-pivot", "1,000.5,1000"},
                   "",
                   "velkora-cli: --source-pivot needs X,Y, not '1,000.5,1000'\n",
                   2},
        FactorsRow{"ThreePointNumbers",
                   {"--reference", "control-points.csv", "--points", "1,2,10"},
                   "",
                   "velkora-cli: --points needs four numbers SP,SR,DP,DR, not '1,2,10'\n",
                   2},
        FactorsRow{"PointsWithoutReference",
                   {"--points", "1,2,10,11"},
                   "",
                   "velkora-cli: --reference and --points go together\n",
                   2},
        FactorsRow{"InputFileGiven",
                   {"control-points.csv"},
                   "",
                   "velkora-cli: unexpected argument 'control-points.csv' for factors\n",
                   2}),
    RowName);

}  // namespace
}  // namespace velkora::cli_test
