// The main window's "Reverse Factors" and "Use This Scale" over the MainForm model, and the
// report's projection block, which the command line cannot reach: boxes edited after a use.
#include <gtest/gtest.h>

#include "app/ConversionRun.h"
#include "app/ProjectionScaleCommands.h"
#include "app/ReverseFactors.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"

namespace velkora::testing {
namespace {

class SilentRunView : public RunView {
 public:
  bool ReportProgress(std::int64_t) override { return true; }
  void ShowReport(const std::string&, const std::string&) override {}
};

class GridGroundCommandsTest : public ::testing::Test {
 protected:
  // A run of the sample file into a new output; the report text of that run.
  std::string RunReport() {
    form.loadedFiles.items = {DataPath("comma-delimited.txt").string()};
    form.oFileName.text = (scratch / ("out" + std::to_string(runs++) + ".txt")).string();
    form.outFormat.selected = 0;
    session.reportText.clear();
    SilentRunView view;
    EXPECT_EQ(RunConversion(session, form, prompter, view), RunResult::kCompleted);
    return session.reportText;
  }

  Session session;
  MainForm form;
  ScriptedPrompter prompter;
  ScratchFolder scratch;
  int runs = 0;
};

TEST_F(GridGroundCommandsTest, ReverseSwapsThePointsAndUndoesEachBox) {
  form.SPPN.text = "1";
  form.SPPX.text = "1000";
  form.SPPY.text = "2000";
  form.SPPD = "SW CORNER";
  form.DPPN.text = "11";
  form.DPPD = "MOVED SW CORNER";
  form.txtDX.text = "100";
  form.txtDY.text = "-50";
  form.txtDZ.text = "1.5";
  form.txtDR.text = "+12 30 00";
  form.txtDS.text = "1.0002";
  form.ignoreDR.checked = 1;

  ReverseFactors(session, form, prompter);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(form.SPPN.text + " " + form.SPPX.text + " " + form.SPPY.text + " " + form.SPPD,
            "11 1100 1950 MOVED SW CORNER");
  EXPECT_EQ(form.DPPN.text + " " + form.DPPX.text + " " + form.DPPY.text + " " + form.DPPD,
            "1 1000 2000 SW CORNER");
  EXPECT_EQ(form.txtDX.text + " " + form.txtDY.text + " " + form.txtDZ.text, "-100 50 -1.5");
  EXPECT_EQ(form.txtDR.text, "-12 30 00");
  EXPECT_EQ(form.txtDS.text, "0.999800039992002");
  EXPECT_EQ(form.ignoreDR.checked, 1);

  // Reversed again, every box reads as it did at first.
  ReverseFactors(session, form, prompter);
  EXPECT_EQ(form.SPPX.text + " " + form.SPPY.text + " " + form.SPPD, "1000 2000 SW CORNER");
  EXPECT_EQ(form.txtDX.text + " " + form.txtDY.text + " " + form.txtDZ.text, "100 -50 1.5");
  EXPECT_EQ(form.txtDR.text, "+12 30 00");
  EXPECT_EQ(form.txtDS.text, "1.0002");
}

TEST_F(GridGroundCommandsTest, ReverseRefusesAnUnreadableBoxAndChangesNothing) {
  form.SPPX.text = "1000";
  form.txtDX.text = "100";
  form.txtDZ.text = "1,5";
  const MainForm before = form;
  ReverseFactors(session, form, prompter);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Translation Z is not valid.");
  EXPECT_EQ(form.focus, "txtDZ");
  EXPECT_EQ(form.SPPX.text + form.txtDX.text + form.txtDZ.text,
            before.SPPX.text + before.txtDX.text + before.txtDZ.text);
}

TEST_F(GridGroundCommandsTest, TheReportDescribesTheProjectionOnlyWhileTheScaleBoxHoldsIt) {
  form.SPPX.text = "1285643.215";
  form.SPPY.text = "412387.932";
  form.txtDX.text = "5";
  form.ignoreDS.checked = 1;  // ticked earlier: "Use This Scale" ticks nothing
  ProjectionScaleResult result = ComputeScaleFromProjection(
      {"EPSG:2264", form.SPPX.text, form.SPPY.text, "245", "-102.5", GridDirection::kGridToGround});
  ASSERT_TRUE(result.use) << result.error;
  UseProjectionScale(session, form, *result.use);
  EXPECT_EQ(form.txtDS.text, "1.00011095496097");
  EXPECT_EQ(form.txtDX.text, "5");
  EXPECT_TRUE(form.ignoreDS.enabled);
  EXPECT_EQ(form.ignoreDS.checked, 1);
  EXPECT_EQ(RunReport().find("Scale From Projection"), std::string::npos);

  form.ignoreDS.checked = 0;
  EXPECT_NE(RunReport().find("  Grid To Ground     Scale Factor = 1 / Combined Factor\r\n"),
            std::string::npos);

  ReverseFactors(session, form, prompter);
  EXPECT_NE(RunReport().find("  Ground To Grid     Scale Factor = Combined Factor\r\n"),
            std::string::npos);

  form.txtDS.text = "1.0001";
  EXPECT_EQ(RunReport().find("Scale From Projection"), std::string::npos);
}

}  // namespace
}  // namespace velkora::testing
