// velkora-cli run as a program: stdout against expected files, the stderr line and the exit
// code of every command on the sample files, and the usage errors.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct RunResult {
  std::string out;
  std::string err;
  int exitCode = -1;
};

std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

// Runs velkora-cli with `args` in `folder`, capturing both streams.
RunResult RunCli(const std::vector<std::string>& args, const std::string& folder) {
  const std::filesystem::path scratch =
      std::filesystem::path(::testing::TempDir()) /
      ("velkora-cli-" +
       std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  std::filesystem::create_directories(scratch);
  std::string command = "cd " + ShellQuoted(folder) + " && " + ShellQuoted(VELKORA_CLI_PATH);
  for (const std::string& arg : args) {
    command += " " + ShellQuoted(arg);
  }
  command += " >" + ShellQuoted((scratch / "out").string()) + " 2>" +
             ShellQuoted((scratch / "err").string());
  const int status = std::system(command.c_str());
  RunResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadWhole(scratch / "out");
  result.err = ReadWhole(scratch / "err");
  std::filesystem::remove_all(scratch);
  return result;
}

std::string Expected(const std::string& name) {
  return ReadWhole(std::filesystem::path(VELKORA_TEST_DATA_DIR) / "expected" / name);
}

struct CliCase {
  const char* name;
  std::vector<std::string> args;  // run in the sample folder, so paths are the file names
  std::string out;                // "@name": the file tests/data/expected/name
  std::string err;
  int exitCode;
};

class CliCommands : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliCommands, PrintExactlyWhatIsExpected) {
  const CliCase& row = GetParam();
  const RunResult result = RunCli(row.args, VELKORA_TEST_DATA_DIR);
  const std::string out = row.out.starts_with("@") ? Expected(row.out.substr(1)) : row.out;
  EXPECT_EQ(result.out, out);
  EXPECT_EQ(result.err, row.err);
  EXPECT_EQ(result.exitCode, row.exitCode);
}

std::string CaseName(const ::testing::TestParamInfo<CliCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    List, CliCommands,
    ::testing::Values(
        CliCase{
            "CommaDelimited", {"list", "comma-delimited.txt"}, "@list-comma-delimited.txt", "", 0},
        CliCase{"GeopakSemicolon",
                {"list", "geopak-semicolon.txt"},
                "@list-geopak-semicolon.txt",
                "",
                0},
        CliCase{"GeopakSlash", {"list", "geopak-slash.txt"}, "@list-geopak-slash.txt", "", 0},
        CliCase{"Listing", {"list", "listing.txt"}, "@list-listing.txt", "", 0},
        CliCase{"ListingXFirst", {"list", "listing-xfirst.txt"}, "@list-listing-xfirst.txt", "", 0},
        CliCase{"Sdms", {"list", "sdms.txt"}, "@list-sdms.txt", "", 0},
        CliCase{"EightyColumn", {"list", "eighty-column.txt"}, "@list-eighty-column.txt", "", 0},
        CliCase{"EightyColumnPlus",
                {"list", "eighty-column-plus.txt"},
                "@list-eighty-column-plus.txt",
                "",
                0},
        CliCase{"ListingWithoutPoints",
                {"list", "listing-no-points.txt"},
                "",
                "No Geopak Points Found in listing-no-points.txt\n",
                1},
        CliCase{"SdmsWithoutAc",
                {"list", "sdms-no-ac.txt"},
                "",
                "No SDMS AC: Code Found in sdms-no-ac.txt\n",
                1},
        CliCase{"Unrecognized",
                {"list", "not-coordinates.txt"},
                "",
                "Unrecognized File Format in not-coordinates.txt\n",
                1},
        CliCase{"Missing",
                {"list", "missing.txt"},
                "",
                "Unable To Open Specified File: missing.txt\n",
                1},
        CliCase{"NoValidPoint",
                {"list", "no-valid-points.txt"},
                "",
                "velkora-cli: no valid points in no-valid-points.txt\n",
                1}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Detect, CliCommands,
    ::testing::Values(CliCase{"EveryLayout",
                              {"detect", "comma-delimited.txt", "eighty-column-plus.txt",
                               "eighty-column.txt", "geopak-semicolon.txt", "geopak-slash.txt",
                               "listing-no-points.txt", "listing-xfirst.txt", "listing.txt",
                               "no-valid-points.txt", "not-coordinates.txt", "sdms-no-ac.txt",
                               "sdms.txt"},
                              "@detect-all.txt",
                              "",
                              0},
                      CliCase{"UnreadableAndDashName",
                              {"detect", "--", "-missing", "expected"},
                              "200\tunreadable\t-missing\n200\tunreadable\texpected\n",
                              "",
                              1},
                      CliCase{"Help", {"detect", "--help"}, "@help-detect.txt", "", 0}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, CliCommands,
    ::testing::Values(
        CliCase{
            "NoCommand", {}, "", "velkora-cli: no command given; try 'velkora-cli --help'\n", 2},
        CliCase{
            "UnknownCommand", {"frobnicate"}, "", "velkora-cli: unknown command 'frobnicate'\n", 2},
        CliCase{"DetectWithoutFile", {"detect"}, "", "velkora-cli: detect needs FILE...\n", 2},
        CliCase{"ListWithoutFile", {"list"}, "", "velkora-cli: list needs FILE\n", 2},
        CliCase{"ListTwoFiles",
                {"list", "sdms.txt", "listing.txt"},
                "",
                "velkora-cli: unexpected argument 'listing.txt' for list\n",
                2},
        CliCase{"UnknownLongOption",
                {"detect", "--bogus", "sdms.txt"},
                "",
                "velkora-cli: unknown option '--bogus' for detect\n",
                2},
        CliCase{"UnknownShortOption",
                {"list", "-x", "sdms.txt"},
                "",
                "velkora-cli: unknown option '-x' for list\n",
                2}),
    CaseName);

// The two real survey files: both P,N,E,Z,D comma-delimited, so the list's X is the northing;
// the quoted descriptions of the second are read unquoted.
TEST(CliListRealData, ListsEverySurveyPoint) {
  const std::filesystem::path folder = std::filesystem::path(VELKORA_REAL_DATA_DIR) / "delimited";
  if (!std::filesystem::exists(folder)) {
    GTEST_SKIP() << "no real data at " << folder;
  }
  struct Row {
    const char* file;
    std::size_t points;
    std::vector<std::string> lines;  // a few lines that must appear whole
  };
  const Row rows[] = {
      {"bezitopo_topo0_pnezd.asc",
       1311,
       {"1          538542.5700 1455644.3710  I\n", "226        538636.8726 1455489.2012  \n",
        "1081       538577.5856 1454659.9534  TOP WALL 18\" WI\n",
        "1312       538849.5971 1454763.1810  EC\n"}},
      {"rtoony_250729-TOPO_pnezd_quoted.txt",
       1385,
       {"1         2182506.8840 5981292.2900  CP CUT X\n",
        "2         2182107.0000 5981187.6350  CP CUT X\n",
        "5022      2182407.2610 5981420.3230  3\" 5\" 5\" MIM\n",
        "6375      2182263.0580 5981552.2790  STEPS BOT\n"}},
  };
  for (const Row& row : rows) {
    const RunResult result = RunCli({"list", row.file}, folder.string());
    EXPECT_EQ(result.exitCode, 0) << row.file;
    EXPECT_EQ(result.err, "") << row.file;
    EXPECT_EQ(static_cast<std::size_t>(std::count(result.out.begin(), result.out.end(), '\n')),
              row.points)
        << row.file;
    EXPECT_TRUE(result.out.starts_with(row.lines.front())) << row.file;
    for (const std::string& line : row.lines) {
      EXPECT_NE(("\n" + result.out).find("\n" + line), std::string::npos)
          << row.file << ": " << line;
    }
  }
}

}  // namespace
