// The point browser's model: captions, the point a chosen line gives, the copy into the main
// window, and the geometry that follows the window's size.
#include "transform/ControlPointPick.h"

#include <gtest/gtest.h>

#include <string>

#include "session/MainForm.h"
#include "session/SessionState.h"

namespace velkora {
namespace {

TEST(ControlPointPick, CaptionOfEachRole) {
  struct Row {
    ControlRole role;
    const char* caption;
  };
  const Row rows[] = {
      {ControlRole::kSourcePivot, "Select The Source Pivot Point"},
      {ControlRole::kSourceReference, "Select The Source Reference Point"},
      {ControlRole::kDestinationPivot, "Select The Destination Pivot Point"},
      {ControlRole::kDestinationReference, "Select The Destination Reference Point"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(BrowserCaption(row.role), row.caption);
  }
}

TEST(ControlPointPick, PointFromBrowserLine) {
  struct Row {
    const char* line;
    const char* number;
    double x;
    double y;
    const char* description;
  };
  const Row rows[] = {
      {"105          2345.6789    3456.7890  Manhole cover at the corner", "105", 2345.6789,
       3456.789, "Manhole cover at the "},
      {"LONGNUMBE    6000.0000    5000.0000  Twelve", "LONGNUMBE", 6000, 5000, "Twelve"},
      {"7        -1234567.123412345678.5000  edge", "7", -1234567.1234, 12345678.5, "edge"},
      {"07        -123456789.9877    2345.6789  wide", "07", -123456789.9877, 2345.6789, "wide"},
      {"3               1.5000       2.5000  ", "3", 1.5, 2.5, ""},
      {"", "", 0, 0, ""},
  };
  for (const Row& row : rows) {
    const PointRecord point = PointFromBrowserLine(row.line);
    EXPECT_EQ(point.pointNum, row.number) << row.line;
    EXPECT_EQ(point.x, row.x) << row.line;
    EXPECT_EQ(point.y, row.y) << row.line;
    EXPECT_EQ(point.description, row.description) << row.line;
  }
}

TEST(ControlPointPick, OpensOnlyForAnExistingFile) {
  struct Row {
    std::string path;
    bool opens;
  };
  const Row rows[] = {
      {std::string(VELKORA_TEST_DATA_DIR) + "/transform/reference.csv", true},
      {std::string(VELKORA_TEST_DATA_DIR) + "/transform/missing.csv", false},
      {std::string(VELKORA_TEST_DATA_DIR), false},
      {"", false},
  };
  for (const Row& row : rows) {
    MainForm form;
    form.focus = "SPPN";
    form.rFileName.text = row.path;
    EXPECT_EQ(MayPickControlPoint(form), row.opens) << row.path;
    EXPECT_EQ(form.focus, row.opens ? "SPPN" : "btnGetRName") << row.path;
  }
}

// The role's boxes come from the same table as the number lookup's (tested there).
TEST(ControlPointPick, AppliesAChosenPointAndIgnoresACancel) {
  SessionState session;
  MainForm form;
  session.point = PointFromBrowserLine("105          2345.6789    3456.7890  Manhole");
  ApplyPickedPoint(session, form, ControlRole::kDestinationReference);
  EXPECT_EQ(form.DRPN.text, "105");
  EXPECT_EQ(form.DRPX.text, "2345.6789");
  EXPECT_EQ(form.DRPY.text, "3456.789");
  EXPECT_EQ(form.DRPD, "Manhole");
  EXPECT_EQ(form.focus, "compDeltas");

  // Cancel leaves an empty number: the boxes keep what they held.
  session.point.pointNum.clear();
  form.DRPX.text = "typed";
  form.focus = "btnDRP";
  ApplyPickedPoint(session, form, ControlRole::kDestinationReference);
  EXPECT_EQ(form.DRPN.text, "105");
  EXPECT_EQ(form.DRPX.text, "typed");
  EXPECT_EQ(form.focus, "compDeltas");
}

TEST(ControlPointPick, OuterWidthFromTheListWidth) {
  struct Row {
    std::int64_t listWidth;
    std::int64_t twips;
  };
  // 300 characters would overflow 16 bits; the width is computed wide.
  const Row rows[] = {{47, 5624}, {60, 7080}, {80, 9320}, {300, 33960}, {1000, 112360}};
  for (const Row& row : rows) {
    EXPECT_EQ(BrowserOuterWidth(row.listWidth), row.twips) << row.listWidth;
  }
}

TEST(ControlPointPick, ResizeFitsListAndButtons) {
  struct Row {
    const char* name;
    double width;
    double height;
    BrowserLayout expected;
  };
  const float wideGap = static_cast<float>(7130.0 / 3);
  const Row rows[] = {
      {"eighty-character list", 9320, 4020, {8960, 2580, 3120, wideGap, 2 * wideGap + 1095.0F}},
      {"design size", 6015, 4020, {5655, 2580, 3120, 1275, 3645}},
      {"taller", 6015, 6000, {5655, 4560, 5100, 1275, 3645}},
      {"list height only", 6015, 2000, {5655, 560, 3120, 1275, 3645}},
      {"too low for the list", 6015, 1440, {5655, 2580, 3120, 1275, 3645}},
      {"too narrow", 2190, 4020, {5655, 2580, 3120, 1275, 3720}},
      {"just wide enough", 2193, 4020, {1833, 2580, 3120, 1, 1097}},
  };
  for (const Row& row : rows) {
    BrowserLayout layout;
    layout.listHeight = 2580;
    layout.buttonTop = 3120;
    ResizeBrowser(layout, row.width, row.height);
    EXPECT_EQ(layout.listWidth, row.expected.listWidth) << row.name;
    EXPECT_EQ(layout.listHeight, row.expected.listHeight) << row.name;
    EXPECT_EQ(layout.buttonTop, row.expected.buttonTop) << row.name;
    EXPECT_EQ(layout.selectLeft, row.expected.selectLeft) << row.name;
    EXPECT_EQ(layout.cancelLeft, row.expected.cancelLeft) << row.name;
  }
  EXPECT_NEAR(wideGap, 2376.67, 0.005);
  EXPECT_NEAR(2 * wideGap + 1095.0F, 5848.33, 0.005);
}

}  // namespace
}  // namespace velkora
