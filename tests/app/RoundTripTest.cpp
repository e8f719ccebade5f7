// Checks against independent computations: points turned into every layout with a reader and
// turned back read as the points they were, on a sample and on a real survey file; and
// Calculate's factors, as a run reads them back from their boxes, carry the source control
// line onto the destination line.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "app/ConversionRun.h"
#include "app/FactorCommands.h"
#include "app/RunChecks.h"
#include "engine/input/PointReader.h"
#include "engine/text/NumberText.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"

namespace velkora::testing {
namespace {

namespace fs = std::filesystem;

// A point as read, its texts copied: a reader's point shows texts only until it reads on.
struct ReadPoint {
  std::string pointNum;
  double x = 0;
  double y = 0;
  double elev = 0;
  std::string feature;
  std::string description;
};

std::vector<ReadPoint> ReadPoints(const fs::path& path) {
  std::vector<ReadPoint> points;
  OpenedReader opened = OpenPointReader(path.string());
  for (ReadItem item; opened.reader && (item = opened.reader->Next()) != ReadItem::kEnd;) {
    if (item == ReadItem::kPoint) {
      const PointRecord& p = opened.reader->Point();
      points.push_back({std::string(p.pointNum), p.x, p.y, p.elev, std::string(p.feature),
                        std::string(p.description)});
    }
  }
  return points;
}

// Turns `from` by `angle` about (1000, 2000) into layout `entry` of `to`, zero elevations kept.
void Turn(const fs::path& from, const fs::path& to, std::size_t entry, const std::string& angle) {
  RunRequest request;
  request.inputs = {from.string()};
  request.outputPath = to.string();
  request.outputEntry = entry;
  request.controlPoints[0] = {"", "1000", "2000", ""};
  request.factors.angle = angle;
  request.suppressZeroElevations = false;
  Session session;
  ScriptedPrompter prompter;
  prompter.yesNoAnswers = {MessageAnswer::kYes};
  ASSERT_EQ(RunConversion(session, request, prompter, {}).result, RunResult::kCompleted);
}

void ExpectRoundTrip(const fs::path& source, const std::vector<std::size_t>& entries) {
  const std::vector<ReadPoint> original = ReadPoints(source);
  ASSERT_FALSE(original.empty()) << source;
  ScratchFolder folder;
  for (const std::size_t entry : entries) {
    SCOPED_TRACE(source.filename().string() + " in layout " + std::to_string(entry));
    Turn(source, folder / "turned", entry, "0 30 00");
    Turn(folder / "turned", folder / "back", entry, "-0 30 00");
    const std::vector<ReadPoint> back = ReadPoints(folder / "back");
    ASSERT_EQ(back.size(), original.size());
    // Each of the two writes rounds to the layout's last decimal.
    const double unit = entry == 6 ? 1e-3 : 1e-4;
    for (std::size_t i = 0; i < back.size(); ++i) {
      EXPECT_EQ(back[i].pointNum, original[i].pointNum);
      EXPECT_NEAR(back[i].x, original[i].x, unit * 1.01) << back[i].pointNum;
      EXPECT_NEAR(back[i].y, original[i].y, unit * 1.01) << back[i].pointNum;
      EXPECT_NEAR(back[i].elev, original[i].elev, unit * 0.51) << back[i].pointNum;
      EXPECT_EQ(back[i].feature, original[i].feature) << back[i].pointNum;
      EXPECT_EQ(back[i].description, original[i].description) << back[i].pointNum;
    }
  }
}

// What every layout with a reader can hold: names of at most four digits, short feature
// codes, descriptions without separators, three decimals; northings of six and seven digits.
TEST(RoundTrip, EveryLayoutWithAReaderGivesBackItsPoints) {
  ScratchFolder folder;
  WriteWhole(folder / "in.csv",
             "101,1285643.215,412387.932,245.118,IRON PIN FOUND,IPF\r\n"
             "102,1285710.041,412402.558,-3.5,,TC\r\n"
             "103,1285801.77,1412455.106,0,PK NAIL,\r\n"
             "7,1.5,2.25,12.125,MH RIM,MH\r\n");
  ExpectRoundTrip(folder / "in.csv", {0, 1, 2, 5, 6});
}

TEST(RoundTrip, RealSurveyFileGivesBackItsPoints) {
  const fs::path real = RealDataPath("delimited/bezitopo_topo0_pnezd.asc");
  if (!fs::exists(real)) {
    GTEST_SKIP() << "no real survey data at " << real;
  }
  ExpectRoundTrip(real, {0, 1, 5});
}

TEST(RoundTrip, CalculatedFactorsCarryTheSourceLineOntoTheDestinationLine) {
  std::mt19937_64 random(42);
  std::uniform_int_distribution<long long> tenThousandths(100000, 99999999);
  for (int trial = 0; trial < 200; ++trial) {
    double v[8];
    for (double& value : v) {
      value = static_cast<double>(tenThousandths(random)) / 10000;
    }
    RunRequest request;
    request.inputs = {"in.csv"};
    request.outputPath = "out.csv";
    request.outputEntry = 0;
    for (std::size_t i = 0; i < 4; ++i) {
      request.controlPoints[i] = {"", GeneralForm(v[2 * i]), GeneralForm(v[2 * i + 1]), ""};
    }
    request.factors = CalculateFactors(request.controlPoints);
    const auto plan = CheckRun(request);
    ASSERT_TRUE(std::holds_alternative<RunPlan>(plan)) << "trial " << trial;
    const MovedPoint moved = std::get<RunPlan>(plan).factors.Apply(v[2], v[3]);
    const double length = std::hypot(v[6] - v[4], v[7] - v[5]);
    EXPECT_NEAR(moved.x, v[6], 1e-9 * length + 1e-6) << "trial " << trial;
    EXPECT_NEAR(moved.y, v[7], 1e-9 * length + 1e-6) << "trial " << trial;
  }
}

}  // namespace
}  // namespace velkora::testing
