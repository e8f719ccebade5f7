// The real PNEZD survey files moved northing first: each must land exactly where the same points
// land when the test itself has written them X first and they are read in the usual order.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/CliProcess.h"

namespace velkora::cli_test {
namespace {

namespace fs = std::filesystem;

// The file with its second and third fields swapped on every line; the rest of a line, quoted
// descriptions included, stays as it is.
std::string EastingFirst(const std::string& northingFirst) {
  std::string swapped;
  std::istringstream lines(northingFirst);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t first = line.find(',');
    const std::size_t second = line.find(',', first + 1);
    const std::size_t third = line.find(',', second + 1);
    swapped += line.substr(0, first + 1) + line.substr(second + 1, third - second - 1) + ',' +
               line.substr(first + 1, second - first - 1) + line.substr(third) + '\n';
  }
  return swapped;
}

TEST(RealDataOrder, NorthingFirstLandsWhereEastingFirstLands) {
  const fs::path folder = fs::path(VELKORA_REAL_DATA_DIR) / "delimited";
  if (!fs::exists(folder)) {
    GTEST_SKIP() << "no real data at " << folder;
  }
  for (const char* name : {"bezitopo_topo0_pnezd.asc", "rtoony_250729-TOPO_pnezd_quoted.txt"}) {
    SCOPED_TRACE(name);
    ScratchFolder scratch;
    fs::copy_file(folder / name, scratch.Path() / "pnezd.txt");
    WriteWhole(scratch.Path() / "penzd.txt", EastingFirst(ReadWhole(folder / name)));
    const std::vector<std::string> move = {
        "-f",   "0",      "--source-pivot", "1455000,538500", "--dx",    "-1250.5",
        "--dy", "310.25", "--angle",        "-1 12 30.5",     "--scale", "0.99996"};
    std::vector<std::string> northing = {"convert",       "-o",       "from-pnezd.txt",
                                         "--input-order", "PNE",      "--output-order",
                                         "PEN",           "pnezd.txt"};
    std::vector<std::string> easting = {"convert", "-o", "from-penzd.txt", "penzd.txt"};
    northing.insert(northing.end(), move.begin(), move.end());
    easting.insert(easting.end(), move.begin(), move.end());

    const CliOutcome fromNorthing = RunCli(northing, scratch.Path());
    const CliOutcome fromEasting = RunCli(easting, scratch.Path());
    EXPECT_EQ(fromNorthing.exitCode, 0) << fromNorthing.err;
    EXPECT_EQ(fromEasting.exitCode, 0) << fromEasting.err;
    const std::string converted = ReadWhole(scratch.Path() / "from-pnezd.txt");
    EXPECT_GT(converted.size(), 50000u);
    EXPECT_EQ(converted, ReadWhole(scratch.Path() / "from-penzd.txt"));
  }
}

}  // namespace
}  // namespace velkora::cli_test
