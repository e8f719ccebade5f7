// velkora-cli convert run as a program: every sample layout into every output layout against
// files on disk, the run's messages and exit codes, and the report appended to a file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "cli/CliProcess.h"

namespace velkora::cli_test {
namespace {

namespace fs = std::filesystem;

std::string ExpectedFile(const std::string& name) {
  const fs::path path = SampleFile("expected-cli") / name;
  EXPECT_TRUE(fs::exists(path)) << path;
  return ReadWhole(path);
}

// One sample of each input layout with the transformation it is converted with.
struct LayoutRow {
  const char* input;  // tests/data/<input>.txt
  std::vector<std::string> options;
};

const LayoutRow kLayoutRows[] = {
    {"comma-delimited", {"--dx", "100", "--dy=-12.5"}},
    {"geopak-semicolon", {"--source-pivot", "1285643.215,412387.932", "--angle", "-12 30 00"}},
    {"geopak-slash",
     {"--source-pivot", "1285643.215,412387.932", "--scale", "1.0002", "--keep-zero-elevations"}},
    {"listing", {"--dx", "-2.5", "--dy", "3", "--keep-zero-elevations"}},
    {"listing-xfirst",
     {"--source-pivot", "1285000,412000", "--angle", "90.0000", "--scale", "0.9996"}},
    {"sdms", {"--dx", "10", "--dy", "10", "--keep-zero-elevations"}},
    {"eighty-column", {"--source-pivot", "1285643.215,412387.932", "--angle", "1.3015"}},
    {"eighty-column-plus", {"--dx", "0.00005", "--dy", "-0.00005"}},
};

// The expected file's suffix for each entry of outFormat.
const char* const kFormatSuffixes[] = {
    "comma", "geopak-semicolon", "geopak-slash", "input-ne", "input-xy", "sdms", "eighty-column"};

class ConvertLayouts : public ::testing::TestWithParam<std::tuple<LayoutRow, int>> {};

TEST_P(ConvertLayouts, WriteTheExpectedFile) {
  const auto& [row, format] = GetParam();
  ScratchFolder scratch;
  std::vector<std::string> args = {"convert", "-o", "out.txt", "-f", std::to_string(format)};
  args.insert(args.end(), row.options.begin(), row.options.end());
  args.push_back(SampleFile(std::string(row.input) + ".txt").string());

  const CliOutcome outcome = RunCli(args, scratch.Path());
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(ReadWhole(scratch.Path() / "out.txt"),
            ExpectedFile(std::string(row.input) + "-to-" + kFormatSuffixes[format] + ".txt"));
}

INSTANTIATE_TEST_SUITE_P(EverySampleIntoEveryLayout, ConvertLayouts,
                         ::testing::Combine(::testing::ValuesIn(kLayoutRows),
                                            ::testing::Range(0, 7)),
                         [](const auto& info) {
                           std::string name = std::string(std::get<0>(info.param).input) + "_" +
                                              kFormatSuffixes[std::get<1>(info.param)];
                           for (char& c : name) {
                             c = c == '-' ? '_' : c;
                           }
                           return name;
                         });

// A run in a folder holding copies of the samples it names, so that messages and reports
// carry short paths.
struct RunRow {
  const char* name;
  std::vector<std::string> args;  // after "convert"
  std::string existingOutput;     // out.txt before the run; empty: none
  int exitCode;
  std::string err;
  std::string output;  // out.txt after the run; "@name": tests/data/expected-cli/name, "": none
};

const std::vector<std::string> kSamples = {"comma-delimited.txt", "geopak-semicolon.txt",
                                           "not-coordinates.txt", "cli/control-points.csv",
                                           "cli/job-header.ini"};

class ConvertRuns : public ::testing::TestWithParam<RunRow> {};

TEST_P(ConvertRuns, EndAsExpected) {
  const RunRow& row = GetParam();
  ScratchFolder scratch;
  scratch.CopySamples(kSamples);
  const fs::path output = scratch.Path() / "out.txt";
  if (!row.existingOutput.empty()) {
    WriteWhole(output, row.existingOutput);
  }
  std::vector<std::string> args = {"convert"};
  args.insert(args.end(), row.args.begin(), row.args.end());

  const CliOutcome outcome = RunCli(args, scratch.Path());
  EXPECT_EQ(outcome.err, row.err);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.exitCode, row.exitCode);
  if (row.output.empty()) {
    EXPECT_FALSE(fs::exists(output));
  } else {
    EXPECT_EQ(ReadWhole(output),
              row.output.starts_with("@") ? ExpectedFile(row.output.substr(1)) : row.output);
  }
}

std::string RowName(const ::testing::TestParamInfo<RunRow>& info) {
  return info.param.name;
}

const std::vector<std::string> kShift = {"--dx", "100", "--dy=-12.5"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

INSTANTIATE_TEST_SUITE_P(
    Completed, ConvertRuns,
    ::testing::Values(
        RunRow{"ShortAndLongOptionNames",
               With({"--output", "out.txt", "--format", "Comma-Delimited", "comma-delimited.txt"},
                    kShift),
               "", 0, "", "@comma-delimited-to-comma.txt"},
        RunRow{"NegativeValueAsNextArgument",
               {"-o", "out.txt", "-f", "0", "--dx", "-12.5", "comma-delimited.txt"},
               "",
               0,
               "",
               "@comma-delimited-dx-minus-12.5.txt"},
        RunRow{"NegativeValueAfterEquals",
               {"-o", "out.txt", "-f", "0", "--dx=-12.5", "comma-delimited.txt"},
               "",
               0,
               "",
               "@comma-delimited-dx-minus-12.5.txt"},
        RunRow{"NegativeAngleAfterEquals",
               {"-o", "out.txt", "-f", "Geopak Delimited ;", "--source-pivot",
                "1285643.215,412387.932", "--angle=-12 30 00", "geopak-semicolon.txt"},
               "",
               0,
               "",
               "@geopak-semicolon-to-geopak-semicolon.txt"},
        RunRow{"ExistingOutputReplacedWithYes",
               With({"-o", "out.txt", "-f", "0", "--yes", "comma-delimited.txt"}, kShift),
               "old\r\n", 0, "", "@comma-delimited-to-comma.txt"},
        RunRow{"UnrecognizedInputSkipped",
               With({"-o", "out.txt", "-f", "0", "--skip-unreadable", "not-coordinates.txt",
                     "comma-delimited.txt"},
                    kShift),
               "", 0, "Unrecognized File Format in not-coordinates.txt\n",
               "@comma-delimited-to-comma.txt"},
        // Pivots 100 apart in X and -12.5 in Y give the same shift as typing it.
        RunRow{"CalculatedShift",
               {"-o", "out.txt", "-f", "0", "--source-pivot", "1000,1000", "--dest-pivot",
                "1100,987.5", "--calculate", "comma-delimited.txt"},
               "",
               0,
               "",
               "@comma-delimited-to-comma.txt"},
        RunRow{"TypedShiftOverwritesCalculated",
               With({"-o", "out.txt", "-f", "0", "--source-pivot", "1000,1000", "--dest-pivot",
                     "5000,5000", "--calculate", "comma-delimited.txt"},
                    kShift),
               "", 0, "", "@comma-delimited-to-comma.txt"},
        RunRow{"NoRotationTickedWithAnAngle",
               With({"-o", "out.txt", "-f", "0", "--source-pivot", "1,1", "--angle", "10 00 00",
                     "--no-rotation", "comma-delimited.txt"},
                    kShift),
               "", 0, "", "@comma-delimited-to-comma.txt"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    NotCompleted, ConvertRuns,
    ::testing::Values(
        RunRow{"NothingToCompute",
               {"-o", "out.txt", "-f", "0", "comma-delimited.txt"},
               "",
               1,
               "No computation has been specified.\n",
               ""},
        RunRow{"NoRotationLeavesNothingToCompute",
               {"-o", "out.txt", "-f", "0", "--source-pivot", "1,1", "--angle", "10 00 00",
                "--no-rotation", "comma-delimited.txt"},
               "",
               1,
               "No computation has been specified.\n",
               ""},
        RunRow{"ExistingOutputKeptWithoutYes",
               With({"-o", "out.txt", "-f", "0", "comma-delimited.txt"}, kShift), "old\r\n", 1,
               "velkora-cli: out.txt exists and was kept; --yes replaces it\n", "old\r\n"},
        RunRow{"UnreadableAngle",
               {"-o", "out.txt", "-f", "0", "--source-pivot", "1,1", "--angle", "45",
                "comma-delimited.txt"},
               "",
               1,
               "Rotation angle is not valid.\n",
               ""},
        RunRow{"RotationWithoutPivot",
               {"-o", "out.txt", "-f", "0", "--angle", "-12 30 00", "comma-delimited.txt"},
               "",
               1,
               "Pivot point coordinates must be entered.\n",
               ""},
        RunRow{"NoInputRecognized",
               With({"-o", "out.txt", "-f", "0", "--skip-unreadable", "not-coordinates.txt",
                     "missing.txt"},
                    kShift),
               "", 1,
               "Unrecognized File Format in not-coordinates.txt\n"
               "Unable To Open Specified File: missing.txt\nNo input files loaded.\n",
               ""},
        RunRow{"OutputIsAnInput",
               With({"-o", "comma-delimited.txt", "-f", "0", "comma-delimited.txt"}, kShift), "", 1,
               "The Output File Is Also An Input File: comma-delimited.txt\n", ""},
        RunRow{"HeaderFileMissing",
               With({"-o", "out.txt", "-f", "0", "--header", "none.ini", "comma-delimited.txt"},
                    kShift),
               "", 1, "velkora-cli: cannot read header file none.ini\n", ""},
        RunRow{"ReferenceFileMissing",
               {"-o", "out.txt", "-f", "0", "--reference", "none.csv", "--points", "1,2,10,11",
                "--calculate", "comma-delimited.txt"},
               "",
               1,
               "velkora-cli: cannot open reference file none.csv\n",
               ""},
        // The output is written; only the report could not be kept.
        RunRow{
            "ReportFolderMissing",
            With({"-o", "out.txt", "-f", "0", "--report", "none/report.txt", "comma-delimited.txt"},
                 kShift),
            "", 1,
            "velkora-cli: the output file out.txt was written, but the report could not be added "
            "to none/report.txt: The report file cannot be opened for writing.\n",
            "@comma-delimited-to-comma.txt"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, ConvertRuns,
    ::testing::Values(
        RunRow{"UnknownOption",
               {"-o", "out.txt", "-f", "0", "--bogus", "comma-delimited.txt"},
               "",
               2,
               "velkora-cli: unknown option '--bogus' for convert\n",
               ""},
        RunRow{"MissingValue",
               {"-o", "out.txt", "-f", "0", "comma-delimited.txt", "--dx"},
               "",
               2,
               "velkora-cli: option '--dx' needs a value\n",
               ""},
        RunRow{"UnknownFormat",
               With({"-o", "out.txt", "-f", "Geopak Delimited", "comma-delimited.txt"}, kShift), "",
               2,
               "velkora-cli: unknown output format 'Geopak Delimited'; 'velkora-cli convert "
               "--help' lists them\n",
               ""},
        RunRow{"FormatIndexOutOfRange",
               With({"-o", "out.txt", "-f", "7", "comma-delimited.txt"}, kShift), "", 2,
               "velkora-cli: unknown output format '7'; 'velkora-cli convert --help' lists them\n",
               ""},
        RunRow{"NoOutput", With({"-f", "0", "comma-delimited.txt"}, kShift), "", 2,
               "velkora-cli: convert needs -o OUTPUT and -f FORMAT\n", ""},
        RunRow{"NoInput", With({"-o", "out.txt", "-f", "0"}, kShift), "", 2,
               "velkora-cli: convert needs INPUT...\n", ""},
        RunRow{"PivotWithoutComma",
               {"-o", "out.txt", "-f", "0", "--source-pivot", "1000", "--angle", "1.3015",
                "comma-delimited.txt"},
               "",
               2,
               "velkora-cli: --source-pivot needs X,Y, not '1000'\n",
               ""},
        RunRow{"PointsWithCoordinates",
               {"-o", "out.txt", "-f", "0", "--reference", "control-points.csv", "--points",
                "1,2,10,11", "--dest-pivot", "1,1", "comma-delimited.txt"},
               "",
               2,
               "velkora-cli: --points cannot be combined with control point coordinates\n",
               ""}),
    RowName);

// The report of a run with a header file and control points from a reference file: once on
// stdout, then appended twice to one file as the report window's "To File" does.
TEST(ConvertReport, AppendsLikeToFileAndCarriesTheHeader) {
  ScratchFolder scratch;
  scratch.CopySamples(kSamples);
  const std::vector<std::string> run = {"convert",     "-o",
                                        "out.txt",     "-f",
                                        "0",           "--yes",
                                        "--header",    "job-header.ini",
                                        "--reference", "control-points.csv",
                                        "--points",    "1,2,10,11",
                                        "--calculate", "--report",
                                        "report.txt",  "comma-delimited.txt"};

  const CliOutcome printed = RunCli(With(run, {"--print-report"}), scratch.Path());
  ASSERT_EQ(printed.exitCode, 0) << printed.err;
  EXPECT_EQ(printed.out, ExpectedFile("report-from-reference.txt"));
  const CliOutcome second = RunCli(run, scratch.Path());
  ASSERT_EQ(second.exitCode, 0) << second.err;
  EXPECT_EQ(second.out, "");

  // One empty line before the first report, two before the next.
  EXPECT_EQ(ReadWhole(scratch.Path() / "report.txt"),
            "\r\n" + printed.out + "\r\n\r\n" + printed.out);
}

// Real survey files shifted into a layout that keeps every field and back again list the
// same points, to the last of their four decimals.
TEST(ConvertRealData, ShiftedThereAndBackListsTheSamePoints) {
  const fs::path folder = fs::path(VELKORA_REAL_DATA_DIR) / "delimited";
  if (!fs::exists(folder)) {
    GTEST_SKIP() << "no real data at " << folder;
  }
  const char* const files[] = {"bezitopo_topo0_pnezd.asc", "rtoony_250729-TOPO_pnezd_quoted.txt"};
  const char* const formats[] = {"Comma-Delimited", "Geopak Delimited ;", "SDMS Points"};
  ScratchFolder scratch;
  for (const char* file : files) {
    const std::string original = (folder / file).string();
    const CliOutcome listed = RunCli({"list", original}, scratch.Path());
    ASSERT_EQ(listed.exitCode, 0) << file;
    for (const char* format : formats) {
      SCOPED_TRACE(std::string(file) + " as " + format);
      const CliOutcome there = RunCli({"convert", "-o", "there.txt", "-f", format, "--yes", "--dx",
                                       "100", "--dy=-250", original},
                                      scratch.Path());
      const CliOutcome back = RunCli({"convert", "-o", "back.txt", "-f", "0", "--yes", "--dx",
                                      "-100", "--dy", "250", "there.txt"},
                                     scratch.Path());
      EXPECT_EQ(there.err + back.err, "");
      EXPECT_EQ(RunCli({"list", "back.txt"}, scratch.Path()).out, listed.out);
    }
  }
}

}  // namespace
}  // namespace velkora::cli_test
