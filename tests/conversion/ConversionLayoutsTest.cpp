// Whole files through the Compute run: the factors applied to each point, every sample
// layout written byte for byte, and outputs read back with the same points.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "conversion/ConversionRun.h"
#include "conversion/PointConversion.h"
#include "conversion/TempFolder.h"
#include "input/PointReading.h"
#include "support/ScriptedPrompter.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::RecordingView;
using testing::TempFolder;
using testing::WriteWholeFile;

struct Factors {
  std::string dx, dy, angle, scale, pivotX, pivotY;
};

// Converts `inputs` into `output` with the layout of outFormat entry `layout`.
RunResult Convert(const std::vector<fs::path>& inputs, const fs::path& output, int layout,
                  const Factors& factors, bool suppressZeroElev = true) {
  SessionState session;
  session.suppressZeroElev = suppressZeroElev;
  MainForm form;
  for (const fs::path& input : inputs) {
    form.loadedFiles.items.push_back(input.string());
  }
  form.oFileName.text = output.string();
  form.outFormat.selected = layout;
  form.txtDX.text = factors.dx;
  form.txtDY.text = factors.dy;
  form.txtDR.text = factors.angle;
  form.txtDS.text = factors.scale;
  form.SPPX.text = factors.pivotX;
  form.SPPY.text = factors.pivotY;
  testing::ScriptedPrompter prompter;
  prompter.yesNoAnswers = {MessageAnswer::kYes};
  RecordingView view;
  return RunConversion(session, form, prompter, view);
}

std::vector<PointRecord> ReadAllPoints(const fs::path& path) {
  SessionState session;
  testing::ScriptedPrompter prompter;
  std::vector<PointRecord> points;
  session.curFileName = path.string();
  session.outFormatCode = format::kUnrecognized;
  if (OpenInputFile(session, prompter)) {
    do {
      if (ReadPoint(session)) {
        points.push_back(session.point);
      }
    } while (!session.inFile.AtEnd());
    CloseInputFile(session);
  }
  return points;
}

constexpr int kXYLayout = 4;

struct FactorCase {
  const char* name;
  Factors factors;
  std::string input;
  std::string expected;
};

TEST(ConvertPoints, FactorsMoveEveryPoint) {
  const std::vector<FactorCase> cases = {
      {"translation only, pivot boxes ignored",
       {"10", "-5", "", "", "500", "500"},
       "1,1000,2000\r\n",
       "STO POI 1  X 1010.0000  Y 1995.0000\r\n"},
      {"clockwise quarter turn",
       {"", "", "90 00 00", "", "1000", "1000"},
       "1,1000,1100\r\n2,1100,1000\r\n",
       "STO POI 1  X 1100.0000  Y 1000.0000\r\nSTO POI 2  X 1000.0000  Y 900.0000\r\n"},
      {"scale about the pivot",
       {"", "", "", "2", "100", "100"},
       "1,110,100\r\n2,100,90\r\n",
       "STO POI 1  X 120.0000  Y 100.0000\r\nSTO POI 2  X 100.0000  Y 80.0000\r\n"},
      {"point on the pivot lands on the moved pivot",
       {"4000", "4000", "12 30 00", "1.5", "1000", "1000"},
       "1,1000,1000\r\n",
       "STO POI 1  X 5000.0000  Y 5000.0000\r\n"},
      {"last line without a line break",
       {"1", "1", "", "", "", ""},
       "1,10,20\r\n2,30,40",
       "STO POI 1  X 11.0000  Y 21.0000\r\nSTO POI 2  X 31.0000  Y 41.0000\r\n"},
      {"no valid point", {"1", "1", "", "", "", ""}, "1,10\r\n2,0,5\r\n", ""},
  };
  for (const FactorCase& c : cases) {
    TempFolder folder;
    WriteWholeFile(folder.path() / "in.csv", c.input);
    ASSERT_EQ(Convert({folder.path() / "in.csv"}, folder.path() / "out.txt", kXYLayout, c.factors),
              RunResult::kCompleted)
        << c.name;
    EXPECT_EQ(ReadWholeFile(folder.path() / "out.txt"), c.expected) << c.name;
  }
}

TEST(ConvertPoints, OutputThatFailsStopsTheFile) {
  TempFolder folder;
  WriteWholeFile(folder.path() / "in.csv", "1,10,20\r\n2,30,40\r\n");
  SessionState session;
  session.deltaX = 1;
  session.doTranslate = true;
  std::ostringstream full;
  full.setstate(std::ios::badbit);
  session.outFile = &full;
  session.curFileName = (folder.path() / "in.csv").string();
  testing::ScriptedPrompter prompter;
  ASSERT_TRUE(OpenInputFile(session, prompter));
  RecordingView view;
  EXPECT_EQ(ConvertPoints(session, view), ConversionOutcome::kWriteFailed);
  CloseInputFile(session);
}

struct SampleCase {
  const char* sample;
  int layout;
  const char* expected;
};

// Every sample moved by (1000, -500) with zero elevations suppressed.
TEST(ConversionRun, SamplesWrittenByteForByte) {
  const fs::path data = VELKORA_TEST_DATA_DIR;
  const std::vector<SampleCase> cases = {
      {"comma-delimited.txt", 0, "comma-delimited-to-comma.txt"},
      {"comma-delimited.txt", 2, "comma-delimited-to-geopak-slash.txt"},
      {"geopak-semicolon.txt", 1, "geopak-semicolon-to-geopak-semicolon.txt"},
      {"geopak-slash.txt", 3, "geopak-slash-to-input-ne.txt"},
      {"listing.txt", 4, "listing-to-input-xy.txt"},
      {"sdms.txt", 5, "sdms-to-sdms.txt"},
      {"comma-delimited.txt", 5, "comma-delimited-to-sdms.txt"},
      {"eighty-column.txt", 6, "eighty-column-to-eighty-column.txt"},
      {"eighty-column-plus.txt", 6, "eighty-column-plus-to-eighty-column.txt"},
      {"listing-xfirst.txt", 6, "listing-xfirst-to-eighty-column.txt"},
  };
  for (const SampleCase& c : cases) {
    TempFolder folder;
    const fs::path output = folder.path() / "out.txt";
    ASSERT_EQ(Convert({data / c.sample}, output, c.layout, {"1000", "-500", "", "", "", ""}),
              RunResult::kCompleted)
        << c.sample;
    EXPECT_EQ(ReadWholeFile(output), ReadWholeFile(data / "expected-convert" / c.expected))
        << c.expected;
  }
}

// Turns every point of `source` by half a degree into each layout, turns the output back,
// and reads the same points again.
void ExpectRoundTrip(const fs::path& source, std::initializer_list<int> layouts) {
  const std::vector<PointRecord> original = ReadAllPoints(source);
  ASSERT_FALSE(original.empty()) << source;
  const Factors forth{"", "", "0 30 00", "", "1000", "2000"};
  const Factors back{"", "", "-0 30 00", "", "1000", "2000"};
  TempFolder folder;
  for (const int layout : layouts) {
    const fs::path turned = folder.path() / ("turned" + std::to_string(layout));
    const fs::path returned = folder.path() / ("returned" + std::to_string(layout));
    ASSERT_EQ(Convert({source}, turned, layout, forth, false), RunResult::kCompleted);
    ASSERT_EQ(Convert({turned}, returned, layout, back, false), RunResult::kCompleted);
    const std::vector<PointRecord> points = ReadAllPoints(returned);
    // Each of the two writes rounds to the layout's last decimal.
    const double unit = layout == 6 ? 1e-3 : 1e-4;
    ASSERT_EQ(points.size(), original.size()) << layout;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const std::string where = "layout " + std::to_string(layout) + " point " + points[i].pointNum;
      EXPECT_EQ(points[i].pointNum, original[i].pointNum) << where;
      EXPECT_NEAR(points[i].x, original[i].x, unit * 1.01) << where;
      EXPECT_NEAR(points[i].y, original[i].y, unit * 1.01) << where;
      EXPECT_NEAR(points[i].elev, original[i].elev, unit * 0.51) << where;
      EXPECT_EQ(points[i].feature, original[i].feature) << where;
      EXPECT_EQ(points[i].description, original[i].description) << where;
    }
  }
}

TEST(ConversionRun, LayoutsReadBackWithTheSamePoints) {
  // What every layout with a reader can hold: names of at most four digits, short feature
  // codes, descriptions without separators, three decimals.
  TempFolder folder;
  WriteWholeFile(folder.path() / "in.csv",
                 "101,1285643.215,412387.932,245.118,IRON PIN FOUND,IPF\r\n"
                 "102,1285710.041,412402.558,-3.5,,TC\r\n"
                 "103,1285801.77,412455.106,0,PK NAIL,\r\n"
                 "7,1.5,2.25,12.125,MH RIM,MH\r\n");
  ExpectRoundTrip(folder.path() / "in.csv", {0, 1, 2, 5, 6});
}

TEST(ConversionRun, RealSurveyRoundTrip) {
  const fs::path real = fs::path(VELKORA_REAL_DATA_DIR) / "delimited" / "bezitopo_topo0_pnezd.asc";
  if (!fs::exists(real)) {
    GTEST_SKIP() << "no real survey data at " << real;
  }
  ExpectRoundTrip(real, {0, 5});
}

}  // namespace
}  // namespace velkora
