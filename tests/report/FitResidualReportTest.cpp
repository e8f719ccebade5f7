// The residual table of a fit in the conversion summary: printed after the calculation block
// while the boxes hold the fitted factors, gone once any of them is changed.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "conversion/RunChecks.h"
#include "report/ConversionSummary.h"
#include "report/SummaryTestSupport.h"
#include "transform/ControlFit.h"

namespace velkora {
namespace {

using testing::CrLfLines;
using testing::FixReportDate;

// A square of control points moved by (10, 20), the third target point 0.4 east of its place.
const std::vector<ControlPair> kPairs = {
    {"1", "11", 1000, 1000, 1010, 1020},
    {"2", "12", 1100, 1000, 1110, 1020},
    {"3", "13", 1100, 1100, 1110.4, 1120},
    {"4", "14", 1000, 1100, 1010, 1120},
};

const std::string kTable = CrLfLines({
    "",
    "Control Pair Residuals (fitted minus given target coordinates)",
    "--------------------------------------------------------------",
    "Pair  Source Pt Target Pt     Target X     Target Y  Resid X  Resid Y   Length",
    "----  --------- ---------  -----------  -----------  -------  -------  -------",
    "   1  1         11           1010.0000    1020.0000   0.0000   0.0000   0.0000",
    "   2  2         12           1110.0000    1020.0000   0.1000  -0.1000   0.1414",
    "   3  3         13           1110.4000    1120.0000  -0.2000   0.0000   0.2000 *",
    "   4  4         14           1010.0000    1120.0000   0.1000   0.1000   0.1414",
    "  RMS, the root mean square of the 4 residual lengths:                  0.1414",
    "  * Longer than three times the RMS of a fit without that pair.",
});

// The report of one run, from the control table on, after `edit` changed the form.
std::string ReportAfter(const std::function<void(MainForm&)>& edit) {
  FixReportDate();
  SessionState session;
  MainForm form;
  const FitOutcome outcome = FitControlPairs(kPairs);
  EXPECT_TRUE(outcome.fit);
  UseFitFactors(session, form, kPairs, *outcome.fit);
  edit(form);
  form.loadedFiles.items = {"survey.txt"};
  form.oFileName.text = "moved.txt";
  form.outFormat.selected = 0;
  EXPECT_EQ(CheckRun(session, form), "OK");
  AppendRunSummary(session, form);
  return session.reportText.substr(session.reportText.find("\r\n") + 2);
}

TEST(FitResidualReport, TableFollowsTheCalculationBlock) {
  const std::string report = ReportAfter([](MainForm&) {});
  const std::string calculations = CrLfLines({
      "",
      " Coordinate Control   Point Num    X-Coord      Y-Coord         Description",
      "--------------------  ---------  -----------  -----------  ---------------------",
      "  Source Pivot Point  1            1000.0000    1000.0000  ",
      "",
      "Target Coordinate Calculations",
      "------------------------------",
      "  X Coordinate = Source X Coord.  + 10.0000",
      "  Y Coordinate = Source Y Coord.  + 20.0000",
      "  Rotate Angle = Source Direction + 0^03'26.06\"",
      "  Scale Factor = Source Distance  * 1.00100049950037",
  });
  EXPECT_EQ(report, calculations + kTable + CrLfLines({"", "Input File List", "---------------"}));
}

TEST(FitResidualReport, ChangedFactorsDropTheTable) {
  const struct {
    const char* name;
    std::function<void(MainForm&)> edit;
    bool table;
  } cases[] = {
      {"a box typed back to its own text",
       [](MainForm& form) { form.txtDS.text = std::string(form.txtDS.text); }, true},
      {"scale edited", [](MainForm& form) { form.txtDS.text = "1.001"; }, false},
      {"angle typed in another form", [](MainForm& form) { form.txtDR.text = "0.0326"; }, false},
      {"shift edited", [](MainForm& form) { form.txtDX.text = "10.0001"; }, false},
      {"shift Y edited", [](MainForm& form) { form.txtDY.text = "20"; }, false},
      {"source pivot moved", [](MainForm& form) { form.SPPX.text = "1000.5"; }, false},
      {"source pivot Y moved", [](MainForm& form) { form.SPPY.text = "999"; }, false},
      {"No Rotation ticked", [](MainForm& form) { form.ignoreDR.checked = 1; }, false},
      {"No Scaling ticked", [](MainForm& form) { form.ignoreDS.checked = 1; }, false},
  };
  for (const auto& c : cases) {
    const std::string report = ReportAfter(c.edit);
    EXPECT_EQ(report.find("Control Pair Residuals") != std::string::npos, c.table) << c.name;
  }
}

TEST(FitResidualReport, ClearedBoxesGiveTheReportWithoutAFit) {
  // As Clear All leaves the window: the fit kept in the session, every box empty.
  const auto clear = [](MainForm& form) {
    form = MainForm();
    form.txtDX.text = "5";
  };
  SessionState plain;
  MainForm form;
  clear(form);
  form.loadedFiles.items = {"survey.txt"};
  form.oFileName.text = "moved.txt";
  form.outFormat.selected = 0;
  FixReportDate();
  ASSERT_EQ(CheckRun(plain, form), "OK");
  AppendRunSummary(plain, form);
  EXPECT_EQ(ReportAfter(clear), plain.reportText.substr(plain.reportText.find("\r\n") + 2));
}

}  // namespace
}  // namespace velkora
