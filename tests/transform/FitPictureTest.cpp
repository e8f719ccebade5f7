// The fit picture's geometry: ground to screen, round bar lengths, the residuals'
// magnification and the placing of the pairs.
#include "transform/FitPicture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velkora {
namespace {

TEST(FitPictureMapping, EqualScalesNorthUpCentred) {
  struct Row {
    const char* what;
    GroundBox box;
    double left, top, width, height;
    double groundX, groundY;
    double screenX, screenY;
    double pixelsPerUnit;
  };
  const Row rows[] = {
      {"wide box: the width decides, centred down",
       {0, 0, 200, 50, false},
       0,
       0,
       400,
       400,
       0,
       0,
       0,
       250,
       2},
      {"north is up", {0, 0, 200, 50, false}, 0, 0, 400, 400, 200, 50, 400, 150, 2},
      {"tall box: the height decides, centred across",
       {0, 0, 10, 100, false},
       10,
       20,
       300,
       200,
       0,
       100,
       150,
       20,
       2},
      {"coordinates in the millions",
       {2500000, 7100000, 2500100, 7100100, false},
       0,
       0,
       100,
       100,
       2500025,
       7100075,
       25,
       25,
       1},
      {"one point: one pixel per unit at the centre",
       {5, 5, 5, 5, false},
       0,
       0,
       100,
       60,
       6,
       4,
       51,
       31,
       1},
      {"a north-south line: the height decides",
       {3, 0, 3, 10, false},
       0,
       0,
       100,
       50,
       3,
       10,
       50,
       0,
       5},
      {"nothing to draw", {}, 0, 0, 100, 60, 0, 0, 50, 30, 1},
  };
  for (const Row& row : rows) {
    const PictureMapping mapping = MapGroundBox(row.box, row.left, row.top, row.width, row.height);
    const ScreenPoint at = mapping.ToScreen(row.groundX, row.groundY);
    EXPECT_DOUBLE_EQ(mapping.pixelsPerUnit, row.pixelsPerUnit) << row.what;
    EXPECT_NEAR(at.x, row.screenX, 1e-9) << row.what;
    EXPECT_NEAR(at.y, row.screenY, 1e-9) << row.what;
  }
}

TEST(FitPictureBars, RoundLengthsOfOneTwoFive) {
  struct Row {
    double limit;
    double length;
  };
  const Row rows[] = {
      {1, 1},         {1.99, 1},    {2, 2},       {4.99, 2},     {5, 5},       {9.99, 5},
      {10, 10},       {1000, 1000}, {999.9, 500}, {0.3, 0.2},    {0.05, 0.05}, {0.01, 0.01},
      {0.0999, 0.05}, {1e-7, 1e-7}, {3.7e6, 2e6}, {123456, 1e5}, {0, 0},       {-4, 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(RoundLengthBelow(row.limit), row.length) << row.limit;
  }
}

TEST(FitPictureBars, BarLengthAndCaption) {
  struct Row {
    double pixelsPerUnit;
    double maxPixels;
    double length;
    double pixels;
    const char* caption;
  };
  const Row rows[] = {
      {2, 100, 50, 100, "50"},
      {0.1, 120, 1000, 100, "1000"},
      {0.03, 100, 2000, 60, "2000"},
      {4000, 100, 0.02, 80, "0.02"},
      {1, 0, 0, 0, ""},
      {0, 100, 0, 0, ""},
  };
  for (const Row& row : rows) {
    const ScaleBar bar = MakeScaleBar(row.pixelsPerUnit, row.maxPixels);
    EXPECT_DOUBLE_EQ(bar.length, row.length) << row.caption;
    EXPECT_NEAR(bar.pixels, row.pixels, 1e-9) << row.caption;
    EXPECT_EQ(bar.caption, row.caption);
  }
}

TEST(FitPictureBars, MagnificationDrawsTheLargestResidualAboutATenth) {
  struct Row {
    const char* what;
    double largest, pixelsPerUnit, size;
    double magnification;
  };
  const Row rows[] = {
      {"4000 rounds down to 2000", 0.01, 1, 400, 2000},
      {"rounded down to 2 x 10^n", 0.013, 1, 400, 2000},
      {"rounded down to 5 x 10^n", 0.007, 1, 400, 5000},
      {"a blunder larger than the tenth shrinks", 200, 0.5, 400, 0.2},
      {"no residual, no vectors", 0, 1, 400, 0},
  };
  for (const Row& row : rows) {
    const double magnification = ResidualMagnification(row.largest, row.pixelsPerUnit, row.size);
    EXPECT_DOUBLE_EQ(magnification, row.magnification) << row.what;
    if (magnification > 0) {
      const double drawn = row.largest * magnification * row.pixelsPerUnit;
      EXPECT_LE(drawn, row.size / 10 + 1e-9) << row.what;
      EXPECT_GT(drawn, row.size / 25) << row.what;
    }
  }
}

ControlFit FitWith(std::vector<PairResidual> residuals, double pivotX, double pivotY) {
  ControlFit fit;
  fit.destPivotX = pivotX;
  fit.destPivotY = pivotY;
  fit.residuals = std::move(residuals);
  return fit;
}

TEST(FitPictureLayout, PairsPivotAndResidualsOnThePicture) {
  const std::vector<ControlPair> pairs = {
      {"1", "101", 10, 10, 1000, 1000},
      {"2", "", 20, 10, 1100, 1000},
      {"", "", 20, 20, 1100, 1100},
  };
  const ControlFit fit =
      FitWith({{0.01, 0, 0.01, false}, {0, -0.02, 0.02, true}, {0, 0, 0, false}}, 1000, 1000);
  // 500 by 500 with a 50 margin and a 100 legend: a 400 by 300 area, about 3 pixels per unit
  // (the fitted points reach 0.02 below the lowest given one).
  const FitPictureLayout layout = LayOutFitPicture(pairs, fit, 500, 500, 50, 100);
  ASSERT_EQ(layout.pairs.size(), 3u);

  struct Row {
    const char* label;
    double x, y;
    bool flagged;
  };
  const Row rows[] = {{"101", 100, 350, false}, {"2", 400, 350, true}, {"3", 400, 50, false}};
  for (std::size_t i = 0; i < 3; ++i) {
    const PictureControlPair& drawn = layout.pairs[i];
    EXPECT_EQ(drawn.label, rows[i].label);
    EXPECT_NEAR(drawn.destination.x, rows[i].x, 0.2) << rows[i].label;
    EXPECT_NEAR(drawn.destination.y, rows[i].y, 0.2) << rows[i].label;
    EXPECT_EQ(drawn.flagged, rows[i].flagged) << rows[i].label;
  }
  EXPECT_NEAR(layout.pivot.x, 100, 0.2);
  EXPECT_NEAR(layout.pivot.y, 350, 0.2);

  // The largest residual, 0.02, is drawn at most a tenth of 300 pixels: x 500 gives 30.
  EXPECT_EQ(layout.magnification, 500);
  EXPECT_NEAR(layout.pairs[1].residualTip.y - layout.pairs[1].destination.y, 30, 0.05);
  EXPECT_NEAR(layout.pairs[0].residualTip.x - layout.pairs[0].destination.x, 15, 0.05);
  EXPECT_NEAR(layout.pairs[2].residualTip.x, layout.pairs[2].destination.x, 1e-9);

  EXPECT_EQ(layout.groundBar.caption, "20");
  EXPECT_NEAR(layout.groundBar.pixels, 60, 0.05);
  EXPECT_EQ(layout.residualBar.caption, "0.05");
  EXPECT_NEAR(layout.residualBar.pixels, 75, 0.05);
}

TEST(FitPictureLayout, ExactPairsHaveNoResidualBar) {
  const std::vector<ControlPair> pairs = {{"1", "1", 0, 0, 500, 500}, {"2", "2", 0, 10, 500, 600}};
  const FitPictureLayout layout =
      LayOutFitPicture(pairs, FitWith({{}, {}}, 500, 500), 300, 300, 20, 60);
  EXPECT_EQ(layout.magnification, 0);
  EXPECT_EQ(layout.residualBar.length, 0);
  EXPECT_GT(layout.groundBar.length, 0);
  for (const PictureControlPair& drawn : layout.pairs) {
    EXPECT_EQ(drawn.residualTip.x, drawn.destination.x);
    EXPECT_EQ(drawn.residualTip.y, drawn.destination.y);
  }
}

}  // namespace
}  // namespace velkora
