// The real PNEZD survey files moved northing first: each must land exactly where the same points
// land when the test itself has written them X first and they are read in the usual order.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/Files.h"
#include "support/RunProgram.h"

namespace velkora::testing {
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
  for (const char* name :
       {"delimited/bezitopo_topo0_pnezd.asc", "delimited/rtoony_250729-TOPO_pnezd_quoted.txt"}) {
    SCOPED_TRACE(name);
    if (!fs::exists(RealDataPath(name))) {
      GTEST_SKIP() << "no real data at " << RealDataPath(name);
    }
    ScratchFolder folder;
    WriteWhole(folder / "pnezd.txt", ReadWhole(RealDataPath(name)));
    WriteWhole(folder / "penzd.txt", EastingFirst(ReadWhole(RealDataPath(name))));
    const std::vector<std::string> move = {
        "-f",   "0",      "--source-pivot", "1455000,538500", "--dx",    "-1250.5",
        "--dy", "310.25", "--angle",        "-1 12 30.5",     "--scale", "0.99996"};
    std::vector<std::string> northing = {"convert",       "-o",       "from-pnezd.txt",
                                         "--input-order", "PNE",      "--output-order",
                                         "PEN",           "pnezd.txt"};
    std::vector<std::string> easting = {"convert", "-o", "from-penzd.txt", "penzd.txt"};
    northing.insert(northing.end(), move.begin(), move.end());
    easting.insert(easting.end(), move.begin(), move.end());
    const std::vector<std::string> environment = {"HOME=" + folder.Path().string(),
                                                  "XDG_CONFIG_HOME=" + folder.Path().string()};

    for (const std::vector<std::string>& args : {northing, easting}) {
      const ProgramRun run =
          RunProgram(VELKORA_CLI_PATH, args, folder.Path(), environment, folder.Path());
      EXPECT_EQ(run.exitCode, 0) << run.err;
    }
    const std::string converted = ReadWhole(folder / "from-pnezd.txt");
    EXPECT_GT(converted.size(), 50000u);
    EXPECT_EQ(converted, ReadWhole(folder / "from-penzd.txt"));
  }
}

}  // namespace
}  // namespace velkora::testing
