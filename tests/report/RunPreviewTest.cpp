// The preview's points: the even thinning, the run's files converted again, the control
// points and a bounded count for a long file.
#include "report/RunPreview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/TempFolder.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

using testing::TempFolder;
using testing::WriteWholeFile;

std::vector<double> KeptIndexes(const EvenSample& sample) {
  std::vector<double> indexes;
  for (const GroundPoint& point : sample.Kept()) {
    indexes.push_back(point.x);
  }
  return indexes;
}

TEST(RunPreviewSample, KeepsEveryStrideThPointAndDoublesTheStride) {
  struct Row {
    int offered;
    std::size_t limit;
    std::int64_t stride;
    std::vector<double> kept;
  };
  const Row rows[] = {
      {0, 10, 1, {}},
      {5, 10, 1, {0, 1, 2, 3, 4}},
      {10, 10, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {11, 10, 2, {0, 2, 4, 6, 8, 10}},
      {12, 10, 2, {0, 2, 4, 6, 8, 10}},
      {20, 10, 2, {0, 2, 4, 6, 8, 10, 12, 14, 16, 18}},
      {21, 10, 4, {0, 4, 8, 12, 16, 20}},
      {100, 10, 16, {0, 16, 32, 48, 64, 80, 96}},
      {7, 1, 8, {0}},
      {3, 0, 4, {0}},
  };
  for (const Row& row : rows) {
    EvenSample sample(row.limit);
    for (int i = 0; i < row.offered; ++i) {
      sample.Offer({static_cast<double>(i), 0});
    }
    EXPECT_EQ(sample.Stride(), row.stride) << row.offered << " of " << row.limit;
    EXPECT_EQ(KeptIndexes(sample), row.kept) << row.offered << " of " << row.limit;
    EXPECT_EQ(sample.Offered(), row.offered);
  }
}

TEST(RunPreviewSample, StaysBoundedAndEvenForAnyLength) {
  const std::size_t limit = 100;
  for (int offered : {99, 100, 101, 1000, 10000, 65537}) {
    EvenSample sample(limit);
    for (int i = 0; i < offered; ++i) {
      sample.Offer({static_cast<double>(i), 0});
    }
    ASSERT_LE(sample.Kept().size(), limit) << offered;
    EXPECT_GT(sample.Kept().size(), limit / 2) << offered;
    for (std::size_t i = 0; i < sample.Kept().size(); ++i) {
      EXPECT_EQ(sample.Kept()[i].x, static_cast<double>(i * sample.Stride())) << offered;
    }
  }
}

class RunPreviewFiles : public ::testing::Test {
 public:
  std::string AddFile(const char* name, const std::string& text) {
    const std::string path = (folder.path() / name).string();
    WriteWholeFile(path, text);
    form.loadedFiles.items.push_back(path);
    return path;
  }

  TempFolder folder;
  SessionState session;
  MainForm form;
};

TEST_F(RunPreviewFiles, ConvertsEveryFileWithTheRunsFactors) {
  AddFile("first.csv",
          "$ comment line\r\n1,1000,1010,5,,TOP\r\n2,1020,1000,6,,TOP\r\nbad,0,0,0,,\r\n");
  AddFile("second.txt", "3,1000,1000,7,,TOP\n");
  AddFile("missing.csv", "");
  std::filesystem::remove(folder.path() / "missing.csv");
  // A quarter turn clockwise about (1000, 1000), moved to (2000, 3000), twice the size.
  session.doRotate = true;
  session.doScale = true;
  session.rotationAngle = ProgramPi / 2;
  session.scaleFactor = 2;
  session.sourcePivotX = 1000;
  session.sourcePivotY = 1000;
  session.destPivotX = 2000;
  session.destPivotY = 3000;
  session.curFileName = "kept";
  session.point.pointNum = "77";

  const RunPreview preview = BuildRunPreview(session, form, {});
  struct Row {
    double x, y;
  };
  const Row expected[] = {{2020, 3000}, {2000, 2960}, {2000, 3000}};
  ASSERT_EQ(preview.points.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(preview.points[i].x, expected[i].x, 1e-9) << i;
    EXPECT_NEAR(preview.points[i].y, expected[i].y, 1e-9) << i;
  }
  EXPECT_EQ(preview.pointsConverted, 3);
  EXPECT_EQ(preview.stride, 1);
  EXPECT_EQ(preview.unreadableFiles, 1);
  EXPECT_EQ(session.curFileName, "kept");
  EXPECT_EQ(session.point.pointNum, "77");
}

TEST_F(RunPreviewFiles, ALongFileKeepsABoundedEvenSample) {
  std::string text;
  for (int i = 0; i < 10000; ++i) {
    text += std::to_string(i + 1) + "," + std::to_string(1000 + i) + ",500,0,,\r\n";
  }
  AddFile("long.csv", text);
  session.doTranslate = true;
  session.deltaX = 10;

  const RunPreview preview = BuildRunPreview(session, form, {}, 100);
  EXPECT_EQ(preview.pointsConverted, 10000);
  EXPECT_EQ(preview.stride, 128);
  ASSERT_EQ(preview.points.size(), 79u);
  EXPECT_EQ(preview.points.front().x, 1010);
  EXPECT_EQ(preview.points.back().x, 1010 + 78 * 128);
  EXPECT_EQ(preview.points.back().y, 500);
}

// Progress comes every 16,384 lines with the points read so far; a false answer stops the
// reading and no later file is read.
TEST_F(RunPreviewFiles, ProgressIsReportedAndCanCancel) {
  std::string text;
  for (int i = 0; i < 40000; ++i) {
    text += std::to_string(i + 1) + "," + std::to_string(1000 + i) + ",500,0,,\r\n";
  }
  AddFile("long.csv", text);
  AddFile("second.csv", "1,1000,500,0,,\r\n");
  for (const bool cancel : {false, true}) {
    SCOPED_TRACE(cancel ? "cancelled" : "to the end");
    std::vector<std::int64_t> reports;
    const RunPreview preview =
        BuildRunPreview(session, form, {}, kPreviewPointLimit, [&](std::int64_t read) {
          reports.push_back(read);
          return !cancel;
        });
    EXPECT_EQ(preview.cancelled, cancel);
    if (cancel) {
      EXPECT_EQ(reports, std::vector<std::int64_t>({16383}));
      EXPECT_EQ(preview.pointsConverted, 16384);  // the line that reported is read
    } else {
      EXPECT_EQ(reports, std::vector<std::int64_t>({16383, 32767}));
      EXPECT_EQ(preview.pointsConverted, 40001);
    }
  }
}

TEST_F(RunPreviewFiles, ControlPointsOnTheDestinationSide) {
  session.doTranslate = true;
  session.deltaX = 100;
  session.deltaY = 200;
  form.SPPN.text = "7";
  form.SPPX.text = "1000";
  form.SPPY.text = "1000";
  form.SRPX.text = "1000";
  form.SRPY.text = "1500";
  form.DPPN.text = "70";
  form.DPPX.text = "1100";
  form.DPPY.text = "1200";
  form.DRPN.text = "71";
  form.DRPX.text = "0";  // missing: not drawn
  form.DRPY.text = "1700";
  const std::vector<ControlPair> pairs = {{"5", "", 10, 20, 30, 40}};

  const RunPreview preview = BuildRunPreview(session, form, pairs);
  struct Row {
    double x, y;
    const char* label;
    bool carried;
  };
  const Row expected[] = {
      {1100, 1200, "7", true}, {1100, 1700, "SRP", true}, {1100, 1200, "70", false},
      {30, 40, "1", false},    {110, 220, "5", true},
  };
  ASSERT_EQ(preview.controlPoints.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const PreviewControlPoint& point = preview.controlPoints[i];
    EXPECT_EQ(point.at.x, expected[i].x) << i;
    EXPECT_EQ(point.at.y, expected[i].y) << i;
    EXPECT_EQ(point.label, expected[i].label) << i;
    EXPECT_EQ(point.carried, expected[i].carried) << i;
  }
  EXPECT_TRUE(preview.points.empty());
}

}  // namespace
}  // namespace velkora
