// Azimuth and distance, the factors computed from the control points, the check boxes that
// follow the factor boxes, and the move of one point.
#include "transform/Factors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "session/MainForm.h"
#include "session/SessionState.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

TEST(Inverse, DirectionInEveryQuadrant) {
  struct Row {
    double x1, y1, x2, y2;
    double direction;
    double distance;
  };
  const Row rows[] = {
      {0, 0, 1, 0, ProgramPi / 2, 1},
      {0, 0, 0, -1, ProgramPi, 1},
      {0, 0, -1, 0, ThreeHalvesPi, 1},
      {0, 0, -1, 1, std::atan(-1.0) + TwoPi, std::sqrt(2.0)},
      {0, 0, 0, 0, ThreeHalvesPi, 0},
      {0, 0, 0, 1, 0, 1},
      {0, 0, 1, 1, std::atan(1.0), std::sqrt(2.0)},
      {0, 0, 1, -1, std::atan(-1.0) + ProgramPi, std::sqrt(2.0)},
      {0, 0, -1, -1, std::atan(1.0) + ProgramPi, std::sqrt(2.0)},
      {1000, 1000, 1003, 1004, std::atan(0.75), 5},
      {5, 5, 5, 5, ThreeHalvesPi, 0},
  };
  for (const Row& row : rows) {
    SessionState session;
    Inverse(session, row.x1, row.y1, row.x2, row.y2);
    EXPECT_EQ(session.inverseDirection, row.direction)
        << "(" << row.x1 << "," << row.y1 << ") to (" << row.x2 << "," << row.y2 << ")";
    EXPECT_EQ(session.inverseDistance, row.distance);
    EXPECT_GE(session.inverseDirection, 0);
    EXPECT_LT(session.inverseDirection, TwoPi);
  }
}

// The eight coordinate boxes SPPX SPPY SRPX SRPY DPPX DPPY DRPX DRPY, separated by "|".
void FillControlPoints(MainForm& form, const std::string& boxes) {
  Control MainForm::*const order[] = {&MainForm::SPPX, &MainForm::SPPY, &MainForm::SRPX,
                                      &MainForm::SRPY, &MainForm::DPPX, &MainForm::DPPY,
                                      &MainForm::DRPX, &MainForm::DRPY};
  std::size_t from = 0;
  for (Control MainForm::*box : order) {
    const std::size_t bar = boxes.find('|', from);
    (form.*box).text = boxes.substr(from, bar - from);
    from = bar + 1;
  }
}

TEST(ComputeFactors, FillsOrEmptiesEachFactorBox) {
  struct Row {
    const char* boxes;
    const char* dx;
    const char* dy;
    const char* dr;
    const char* ds;
  };
  const Row rows[] = {
      {"1000|1000|1000|2000|5000|5000|6000|5000", "4000.0000", "4000.0000", "+90 00 00", "1"},
      // A half turn is kept, not wrapped.
      {"1000|1000|1000|2000|5000|5000|5000|4000", "4000.0000", "4000.0000", "+180 00 00", "1"},
      {"1000|1000|1000|2000|5000|5000|5000|7000", "4000.0000", "4000.0000", "+0 00 00", "2"},
      {"1000|1000|1000|2000|1000.5|999.25|1000.5|2999.25", "0.5000", "-0.7500", "+0 00 00", "2"},
      {"|1000|1000|2000|5000|5000|6000|5000", "", "", "", ""},
      {"1000|0|1000|2000|5000|5000|6000|5000", "", "", "", ""},
      {"1000|1000|1000|2000|-5000|5000|6000|5000", "", "", "", ""},
      {"abc|1000|1000|2000|5000|5000|6000|5000", "", "", "", ""},
      {"1,000|1000|1000|2000|5000|5000|6000|5000", "4000.0000", "4000.0000", "+90 00 00", "1"},
      {"1,00|1000|1000|2000|5000|5000|6000|5000", "", "", "", ""},
      {"1000|1000|1000|2000|5000|5000||", "4000.0000", "4000.0000", "", ""},
      // Source line of no length: no scale; its azimuth 3 pi / 2 wraps against 0.
      {"1000|1000|1000|1000|5000|5000|5000|6000", "4000.0000", "4000.0000",
       "+89 59 59.9999999999488", ""},
      // Destination line of no length: scale 0, which a run treats as no scaling.
      {"1000|1000|500|1000|5000|5000|5000|5000", "4000.0000", "4000.0000", "+0 00 00", "0"},
      {"1000.00005|1000|1000|2000|1000.0001|1000.00015||", "0.0000", "0.0002", "", ""}};
  for (const Row& row : rows) {
    SessionState session;
    MainForm form;
    form.ignoreDR.checked = 1;
    FillControlPoints(form, row.boxes);
    ComputeFactors(session, form);
    EXPECT_EQ(form.txtDX.text, row.dx) << row.boxes;
    EXPECT_EQ(form.txtDY.text, row.dy) << row.boxes;
    EXPECT_EQ(form.txtDR.text, row.dr) << row.boxes;
    EXPECT_EQ(form.txtDS.text, row.ds) << row.boxes;
    EXPECT_EQ(form.ignoreDR.enabled, *row.dr != '\0') << row.boxes;
    EXPECT_EQ(form.ignoreDS.enabled, *row.ds != '\0') << row.boxes;
    EXPECT_EQ(form.ignoreDR.checked, 1) << row.boxes;
  }
}

// Azimuths 0 and 3 pi / 2: the difference wraps to a hair less than a quarter turn, so the
// seconds of the display stay just below 60 while the parts carry to whole degrees.
TEST(ComputeFactors, WrappedQuarterTurnCarriesInTheParts) {
  SessionState session;
  MainForm form;
  FillControlPoints(form, "1000|1000|1000|2000|5000|5000|4000|5000");
  ComputeFactors(session, form);
  EXPECT_EQ(form.txtDR.text.substr(0, 10), "-89 59 59.") << form.txtDR.text;
  EXPECT_GT(ReadNumber(form.txtDR.text.substr(7)), 59.99999);
  EXPECT_EQ(session.dmsDegrees, "-90");
  EXPECT_EQ(session.dmsMinutes, "0");
  EXPECT_EQ(session.dmsSeconds, "0");
}

TEST(FactorTextChanged, IgnoreBoxesFollowTheirTextAndKeepTheirCheck) {
  struct Row {
    const char* text;
    bool enabled;
  };
  const Row rows[] = {{"", false}, {"   ", false}, {"1", true}, {" +12 30 00 ", true}};
  for (const Row& row : rows) {
    for (int checked : {0, 1}) {
      MainForm form;
      form.ignoreDR.checked = checked;
      form.ignoreDS.checked = checked;
      form.txtDR.text = row.text;
      form.txtDS.text = row.text;
      RotationTextChanged(form);
      ScaleTextChanged(form);
      EXPECT_EQ(form.ignoreDR.enabled, row.enabled) << '"' << row.text << '"';
      EXPECT_EQ(form.ignoreDS.enabled, row.enabled) << '"' << row.text << '"';
      EXPECT_EQ(form.ignoreDR.checked, checked);
      EXPECT_EQ(form.ignoreDS.checked, checked);
    }
  }
}

TEST(TransformPoint, MovesOnePoint) {
  struct Row {
    const char* name;
    bool doRotate, doScale;
    double deltaX, deltaY, rotation, scale;
    double pivotX, pivotY, destX, destY;
    double x, y;
    double newX, newY;
    double tolerance;
  };
  const double quarter = 90 * DegreesToRadians;
  const Row rows[] = {
      {"translation only", false, false, 0.1, -0.2, 0, 1, 0, 0, 0, 0, 4981234.5678, 123.4,
       0.1 + 4981234.5678, -0.2 + 123.4, 0},
      {"quarter turn", true, false, 0, 0, quarter, 1, 100, 100, 100, 100, 100, 110, 110, 100, 1e-9},
      {"pivot goes to the destination pivot", true, true, 50, 60, quarter, 2, 100, 100, 150, 160,
       100, 100, 150, 160, 0},
      {"scale about the pivot", false, true, 0, 0, 0, 2, 100, 100, 100, 100, 103, 104, 106, 108,
       1e-9},
      {"half turn with shift", true, false, 10, 20, ProgramPi, 1, 100, 100, 110, 120, 100, 110, 110,
       110, 1e-9},
  };
  for (const Row& row : rows) {
    SessionState session;
    session.doRotate = row.doRotate;
    session.doScale = row.doScale;
    session.deltaX = row.deltaX;
    session.deltaY = row.deltaY;
    session.rotationAngle = row.rotation;
    session.scaleFactor = row.scale;
    session.sourcePivotX = row.pivotX;
    session.sourcePivotY = row.pivotY;
    session.destPivotX = row.destX;
    session.destPivotY = row.destY;
    session.point.x = row.x;
    session.point.y = row.y;
    TransformPoint(session);
    EXPECT_NEAR(session.point.newX, row.newX, row.tolerance) << row.name;
    EXPECT_NEAR(session.point.newY, row.newY, row.tolerance) << row.name;
  }
}

// Independent check: with factors computed from four control points and read back from
// their boxes as a run reads them, the source reference point lands on the destination
// reference point (azimuth and distance of the destination line).
TEST(TransformPoint, CarriesTheSourceReferenceOntoTheDestinationLine) {
  std::mt19937_64 random(42);
  std::uniform_int_distribution<long long> coordinate(100000, 99999999);  // ten-thousandths
  for (int trial = 0; trial < 200; ++trial) {
    double values[8];
    for (double& value : values) {
      value = static_cast<double>(coordinate(random)) / 10000;
    }
    std::string boxes;
    for (double value : values) {
      boxes += GeneralForm(value) + "|";
    }
    MainForm form;
    FillControlPoints(form, boxes);
    SessionState session;
    ComputeFactors(session, form);

    session.deltaX = ReadNumber(form.txtDX.text);
    session.deltaY = ReadNumber(form.txtDY.text);
    session.sourcePivotX = values[0];
    session.sourcePivotY = values[1];
    session.destPivotX = session.sourcePivotX + session.deltaX;
    session.destPivotY = session.sourcePivotY + session.deltaY;
    session.rotationAngle = ParseAngle(session, form.txtDR.text).value();
    session.scaleFactor = ReadNumber(form.txtDS.text);
    session.doRotate = true;
    session.doScale = true;
    session.point.x = values[2];
    session.point.y = values[3];
    TransformPoint(session);

    const double length = std::hypot(values[6] - values[4], values[7] - values[5]);
    EXPECT_NEAR(session.point.newX, values[6], 1e-9 * length + 1e-6) << "trial " << trial;
    EXPECT_NEAR(session.point.newY, values[7], 1e-9 * length + 1e-6) << "trial " << trial;
  }
}

}  // namespace
}  // namespace velkora
