// The control-pair fit: exact and disturbed pairs, two pairs against Calculate, the refusals,
// the residual table and the factors put into the main window.
#include "transform/ControlFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "session/MainForm.h"
#include "session/SessionState.h"
#include "transform/Factors.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

// A similarity in the program's conventions: azimuths clockwise from north, rotation and
// scale about the source pivot, which goes to the destination pivot.
struct KnownMove {
  double pivotX, pivotY, destPivotX, destPivotY, degrees, scale;

  ControlPair PairFor(double x, double y) const {
    const double r = degrees * DegreesToRadians;
    const double u = x - pivotX;
    const double v = y - pivotY;
    return ControlPair{"",
                       "",
                       x,
                       y,
                       destPivotX + scale * (u * std::cos(r) + v * std::sin(r)),
                       destPivotY + scale * (v * std::cos(r) - u * std::sin(r))};
  }
};

// Rotate 30 degrees clockwise, scale 1.0002, and shift the pivot by (250.5, -129.75).
const KnownMove kMove{1000000, 400000, 1000250.5, 399870.25, 30, 1.0002};

std::vector<ControlPair> SixExactPairs() {
  const double sources[][2] = {{1000000, 400000},         {1000812.345, 400103.5},
                               {1000401.25, 400950.125},  {999350.5, 400620.75},
                               {999510.0625, 399240.875}, {1000730.5, 399310.25}};
  std::vector<ControlPair> pairs;
  for (const auto& source : sources) {
    pairs.push_back(kMove.PairFor(source[0], source[1]));
  }
  return pairs;
}

double AngleOf(const std::string& text) {
  SessionState session;
  return ParseAngle(session, text).value_or(-999);
}

TEST(FitControlPairs, ExactPairsLeaveNoResidual) {
  const std::vector<ControlPair> pairs = SixExactPairs();
  const FitOutcome outcome = FitControlPairs(pairs);
  ASSERT_TRUE(outcome.fit) << outcome.error;
  const ControlFit& fit = *outcome.fit;
  EXPECT_EQ(fit.sourcePivotX, 1000000);
  EXPECT_EQ(fit.sourcePivotY, 400000);
  EXPECT_NEAR(fit.destPivotX, 1000250.5, 1e-6);
  EXPECT_NEAR(fit.destPivotY, 399870.25, 1e-6);
  EXPECT_NEAR(fit.rotation, 30 * DegreesToRadians, 1e-12);
  EXPECT_NEAR(fit.scale, 1.0002, 1e-12);
  ASSERT_EQ(fit.residuals.size(), pairs.size());
  for (const PairResidual& residual : fit.residuals) {
    EXPECT_LT(std::fabs(residual.dx), 1e-6);
    EXPECT_LT(std::fabs(residual.dy), 1e-6);
    EXPECT_LT(residual.length, 1e-6);
    EXPECT_FALSE(residual.flagged);
  }
  EXPECT_LT(fit.rms, 1e-6);
  EXPECT_EQ(fit.dxText, "250.5000");
  EXPECT_EQ(fit.dyText, "-129.7500");
  // The seconds are written unrounded, so only their value is certain to the last digits.
  EXPECT_EQ(fit.angleText.substr(0, 1), "+");
  EXPECT_NEAR(AngleOf(fit.angleText), 30 * DegreesToRadians, 1e-12);
  EXPECT_NEAR(ReadNumber(fit.scaleText), 1.0002, 1e-13);
}

TEST(FitControlPairs, DisturbedPairIsFlaggedAlone) {
  struct Row {
    std::size_t disturbed;
    double eastShift, northShift;
  };
  const Row rows[] = {{3, 0.5, 0}, {1, 0, -0.5}, {5, 0.3, 0.4}, {0, -0.5, 0}};
  for (const Row& row : rows) {
    std::vector<ControlPair> pairs = SixExactPairs();
    pairs[row.disturbed].destX += row.eastShift;
    pairs[row.disturbed].destY += row.northShift;
    const FitOutcome outcome = FitControlPairs(pairs);
    ASSERT_TRUE(outcome.fit) << outcome.error;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      EXPECT_EQ(outcome.fit->residuals[i].flagged, i == row.disturbed)
          << "disturbed " << row.disturbed << ", pair " << i;
    }
    EXPECT_GT(outcome.fit->residuals[row.disturbed].length, 0.3);
    EXPECT_GT(outcome.fit->rms, 0.1);
  }
}

TEST(FitControlPairs, FewerThanFourPairsFlagNothing) {
  std::vector<ControlPair> pairs = SixExactPairs();
  pairs.resize(3);
  pairs[2].destX += 0.5;
  const FitOutcome outcome = FitControlPairs(pairs);
  ASSERT_TRUE(outcome.fit);
  for (const PairResidual& residual : outcome.fit->residuals) {
    EXPECT_FALSE(residual.flagged);
  }
  EXPECT_GT(outcome.fit->rms, 0.1);
}

TEST(FitControlPairs, TwoPairsGiveCalculatesTexts) {
  // Source pivot, source reference, destination pivot, destination reference.
  struct Row {
    double spx, spy, srx, sry, dpx, dpy, drx, dry;
  };
  const Row rows[] = {
      {1000, 1000, 1000, 2000, 5000, 5000, 6000, 5000},  // +90, scale 1
      {1000, 1000, 1000, 2000, 5000, 5000, 5000, 4000},  // a half turn
      {1000, 1000, 1000, 2000, 5000, 5000, 4000, 5000},  // -90, wrapped
      {1000, 1000, 1000, 2000, 5000, 5000, 5000, 7000},  // scale 2, no turn
      {1000000.125, 400000.5, 1000812.345, 400103.5, 1000250.5, 399870.25, 1000901.1234,
       399542.4321},
      {2000, 3000, 2100, 3000.0001, 2010, 2990, 2110, 2990},       // just below 0
      {2000, 3000, 2100, 3000, 2010, 2990, 2110.0002, 2990.0001},  // just above 0
      {2000, 3000, 2000, 3100, 2010, 2990, 2010.0001, 2890},       // near a half turn
      {2000, 3000, 2000, 3100, 2010, 2990, 2009.9999, 2890},       // the other side of it
      {637412.883, 210334.12, 637001.5, 210998.75, 1637412.883, 1210334.12, 1637085.0,
       1211010.0},  // negative rotation
  };
  for (const Row& row : rows) {
    SessionState session;
    MainForm form;
    form.SPPX.text = GeneralForm(row.spx);
    form.SPPY.text = GeneralForm(row.spy);
    form.SRPX.text = GeneralForm(row.srx);
    form.SRPY.text = GeneralForm(row.sry);
    form.DPPX.text = GeneralForm(row.dpx);
    form.DPPY.text = GeneralForm(row.dpy);
    form.DRPX.text = GeneralForm(row.drx);
    form.DRPY.text = GeneralForm(row.dry);
    ComputeFactors(session, form);

    const std::vector<ControlPair> pairs = {
        {"", "", row.spx, row.spy, row.dpx, row.dpy},
        {"", "", row.srx, row.sry, row.drx, row.dry},
    };
    const FitOutcome outcome = FitControlPairs(pairs);
    ASSERT_TRUE(outcome.fit) << outcome.error;
    EXPECT_EQ(outcome.fit->dxText, form.txtDX.text) << form.txtDR.text;
    EXPECT_EQ(outcome.fit->dyText, form.txtDY.text) << form.txtDR.text;
    EXPECT_EQ(outcome.fit->angleText, form.txtDR.text);
    EXPECT_EQ(outcome.fit->scaleText, form.txtDS.text) << form.txtDR.text;
    for (const PairResidual& residual : outcome.fit->residuals) {
      EXPECT_LT(residual.length, 1e-6);
      EXPECT_FALSE(residual.flagged);
    }
  }
}

TEST(FitControlPairs, TextsForCoordinatesCalculateRefuses) {
  // Calculate leaves its boxes empty for coordinates of 0 or less; the fit still fills them.
  const KnownMove move{-500, -200, 100, 50, -12.5, 1};
  const std::vector<ControlPair> pairs = {move.PairFor(-500, -200), move.PairFor(-100, -300),
                                          move.PairFor(-250, 150)};
  const FitOutcome outcome = FitControlPairs(pairs);
  ASSERT_TRUE(outcome.fit);
  EXPECT_EQ(outcome.fit->dxText, "600.0000");
  EXPECT_EQ(outcome.fit->dyText, "250.0000");
  EXPECT_EQ(outcome.fit->angleText.substr(0, 4), "-12 ");
  EXPECT_NEAR(AngleOf(outcome.fit->angleText), -12.5 * DegreesToRadians, 1e-12);
  EXPECT_NEAR(ReadNumber(outcome.fit->scaleText), 1, 1e-14);
}

TEST(FitControlPairs, PairsThatCannotBeFitted) {
  struct Row {
    std::vector<ControlPair> pairs;
    std::string error;
  };
  const Row rows[] = {
      {{}, "A fit needs at least two control pairs."},
      {{{"", "", 100, 100, 200, 200}}, "A fit needs at least two control pairs."},
      {{{"", "", 100, 100, 200, 200}, {"", "", 100, 100, 300, 300}},
       "The source points of the control pairs all lie at one place."},
      {{{"", "", 100, 100, 200, 200}, {"", "", 150, 100, 200, 200}, {"", "", 100, 170, 200, 200}},
       "The destination points of the control pairs give a scale of zero."},
      {{{"", "", 100, 100, 200, 200}, {"", "", 150, 100, std::nan(""), 200}},
       "A control pair holds a coordinate that is not a number."},
      {{{"", "", 100, HUGE_VAL, 200, 200}, {"", "", 150, 100, 250, 200}},
       "A control pair holds a coordinate that is not a number."},
  };
  for (const Row& row : rows) {
    const FitOutcome outcome = FitControlPairs(row.pairs);
    EXPECT_FALSE(outcome.fit);
    EXPECT_EQ(outcome.error, row.error);
  }
}

std::string Crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\r\n";
  }
  return text;
}

TEST(FormatResidualTable, ColumnsOfEveryPair) {
  struct Row {
    std::vector<ControlPair> pairs;
    ControlFit fit;
    std::string table;
  };
  ControlFit four;
  four.residuals = {{0.0012, -0.0034, 0.0036, false},
                    {-0.4, 0.3, 0.5, true},
                    {0, 0, 0, false},
                    {123456.78901, -2, 123456.79, false}};
  four.rms = 0.25;
  ControlFit two;
  two.residuals = {{0, 0, 0, false}, {-0.00004, 0.00005, 0.00006, false}};
  const std::string head =
      "\r\nControl Pair Residuals (fitted minus given target coordinates)\r\n"
      "--------------------------------------------------------------\r\n"
      "Pair  Source Pt Target Pt     Target X     Target Y  Resid X  Resid Y   Length\r\n"
      "----  --------- ---------  -----------  -----------  -------  -------  -------\r\n";
  const Row rows[] = {
      {{{"101", "201", 0, 0, 1000123.45674, 400123.45675},
        {"LONGNUMBER12", "2", 0, 0, -5, 12345678901.5},
        {"", "", 0, 0, 1, 2},
        {"7", "8", 0, 0, 3, 4}},
       four,
       head + Crlf({
                  "   1  101       201       1000123.4567  400123.4568   0.0012  -0.0034   0.0036",
                  "   2  LONGNUMBE 2              -5.0000 12345678901.5000  -0.4000   0.3000   "
                  "0.5000 *",
                  "   3                            1.0000       2.0000   0.0000   0.0000   0.0000",
                  "   4  7         8               3.0000       4.0000 123456.7890  -2.0000 "
                  "123456.7900",
                  "  RMS, the root mean square of the 4 residual lengths:                  0.2500",
                  "  * Longer than three times the RMS of a fit without that pair.",
              })},
      {{{"", "", 0, 0, 10, 20}, {"", "", 0, 0, 30, 40}},
       two,
       head + Crlf({
                  "   1                           10.0000      20.0000   0.0000   0.0000   0.0000",
                  "   2                           30.0000      40.0000   0.0000   0.0000   0.0001",
                  "  RMS, the root mean square of the 2 residual lengths:                  0.0000",
                  "  Four pairs or more are needed to flag a pair.",
              })},
  };
  for (const Row& row : rows) {
    const std::string table = FormatResidualTable(row.pairs, row.fit);
    EXPECT_EQ(table, row.table);
    std::size_t start = 0;
    for (std::size_t end = table.find("\r\n"); end != std::string::npos;
         start = end + 2, end = table.find("\r\n", start)) {
      const std::string line = table.substr(start, end - start);
      if (line.find("123456.7") == std::string::npos &&
          line.find("12345678901") == std::string::npos) {
        EXPECT_LE(line.size(), 80u) << line;
      }
    }
  }
}

TEST(UseFitFactors, FillsTheBoxesAndKeepsTheTable) {
  std::vector<ControlPair> pairs = SixExactPairs();
  pairs[0].sourceNumber = "11";
  const FitOutcome outcome = FitControlPairs(pairs);
  ASSERT_TRUE(outcome.fit);
  SessionState session;
  MainForm form;
  form.SPPN.text = "old";
  form.SPPD = "old description";
  UseFitFactors(session, form, pairs, *outcome.fit);
  EXPECT_EQ(form.SPPN.text, "11");
  EXPECT_EQ(form.SPPD, "");
  EXPECT_EQ(form.SPPX.text, "1000000");
  EXPECT_EQ(form.SPPY.text, "400000");
  EXPECT_EQ(form.txtDX.text, outcome.fit->dxText);
  EXPECT_EQ(form.txtDY.text, outcome.fit->dyText);
  EXPECT_EQ(form.txtDR.text, outcome.fit->angleText);
  EXPECT_EQ(form.txtDS.text, outcome.fit->scaleText);
  EXPECT_TRUE(form.ignoreDR.enabled);
  EXPECT_TRUE(form.ignoreDS.enabled);
  EXPECT_EQ(session.fittedFactors.residualTable, FormatResidualTable(pairs, *outcome.fit));
  EXPECT_EQ(session.fittedFactors.angle, form.txtDR.text);
}

}  // namespace
}  // namespace velkora
