// The main window's handlers over the form model, where the command line cannot reach: the
// layout-only offer of Compute, the question before Exit loses an unsaved report, Calculate's
// refusal of a line without length, and the input order that reloads the reference file.
#include <gtest/gtest.h>

#include <string>

#include "app/ColumnOrderChoice.h"
#include "app/ConversionRun.h"
#include "app/FactorCommands.h"
#include "app/InputFileList.h"
#include "app/OutputSelection.h"
#include "app/ReferenceFile.h"
#include "app/ReportCommands.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"

namespace velkora::testing {
namespace {

class ShownRun : public RunView {
 public:
  bool ReportProgress(std::int64_t) override { return true; }
  void ShowReport(const std::string& windowText, const std::string&) override {
    shown = windowText;
  }
  std::string shown;
};

class WindowHandlers : public ::testing::Test {
 protected:
  // An SDMS point to be written comma-delimited, with no factor typed.
  void SetUpLayoutChange() {
    WriteWhole(folder / "in.txt", "AC:SS\r\nPN:7\r\nXC:1500.25\r\nYC:2500.5\r\n");
    AddInputFile(session, form, &prompter, (folder / "in.txt").string());
    form.oFileName.text = (folder / "out.csv").string();
    SelectOutputFormat(form, 0);
  }

  ScratchFolder folder;
  Session session;
  MainForm form;
  ScriptedPrompter prompter;
  ShownRun view;
};

TEST_F(WindowHandlers, ComputeWithoutFactorsOffersTheLayoutAlone) {
  SetUpLayoutChange();
  prompter.yesNoAnswers = {MessageAnswer::kYes};
  EXPECT_EQ(RunConversion(session, form, prompter, view), RunResult::kCompleted);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0],
            (Message{"No computation has been specified.\r\nConvert the layout only, with every "
                     "point where it is?",
                     MessageIcon::kQuestion, MessageButtons::kYesNo, "Insufficient Data"}));
  EXPECT_EQ(ReadWhole(folder / "out.csv"), "7,1500.2500,2500.5000\r\n");
  EXPECT_NE(session.reportText.find("\r\n  Layout only: no shift, rotation or scale\r\n"),
            std::string::npos);
}

TEST_F(WindowHandlers, DecliningTheLayoutAloneRefusesAsBefore) {
  SetUpLayoutChange();
  EXPECT_EQ(RunConversion(session, form, prompter, view), RunResult::kRefused);
  EXPECT_EQ(form.focus, "txtDX");
  EXPECT_FALSE(std::filesystem::exists(folder / "out.csv"));
  EXPECT_TRUE(session.reportText.empty());
}

TEST_F(WindowHandlers, ExitAsksOnlyWhileARunIsNeitherSavedNorPrinted) {
  EXPECT_TRUE(MayExit(session, prompter));
  EXPECT_TRUE(prompter.messages.empty());

  SetUpLayoutChange();
  prompter.yesNoAnswers = {MessageAnswer::kYes, MessageAnswer::kNo, MessageAnswer::kYes};
  ASSERT_EQ(RunConversion(session, form, prompter, view), RunResult::kCompleted);
  EXPECT_FALSE(MayExit(session, prompter));
  EXPECT_EQ(prompter.messages.back(),
            (Message{"The report holds runs that were neither saved nor printed.\r\nExit and lose "
                     "them?",
                     MessageIcon::kQuestion, MessageButtons::kYesNo, "Exit Velkora"}));
  EXPECT_TRUE(MayExit(session, prompter));

  prompter.fileAnswers = {(folder / "report.txt").string()};
  ASSERT_TRUE(SaveReport(session, prompter));
  const std::size_t asked = prompter.messages.size();
  EXPECT_TRUE(MayExit(session, prompter));
  EXPECT_EQ(prompter.messages.size(), asked);
}

TEST_F(WindowHandlers, CalculateRefusesAPivotOnItsReferencePoint) {
  form.SPPX.text = form.SRPX.text = "1000";
  form.SPPY.text = form.SRPY.text = "2000";
  form.DPPX.text = "5000";
  form.DPPY.text = "5000";
  form.DRPX.text = "5000";
  form.DRPY.text = "6000";
  form.txtDR.text = "+1 00 00";
  ComputeFactors(form, prompter);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "The source pivot and source reference points are at the same place: the source "
            "line has no direction.");
  EXPECT_EQ(form.focus, "SRPN");
  EXPECT_EQ(form.txtDR.text, "+1 00 00");
  EXPECT_TRUE(form.txtDX.text.empty());
}

TEST_F(WindowHandlers, ChoosingNorthingFirstReadsTheReferenceFileAgain) {
  WriteWhole(folder / "control.csv", "1,5000,1000,0,PIVOT\r\n");
  form.rFileName.text = (folder / "control.csv").string();
  ASSERT_TRUE(LoadReferenceFile(session, form, prompter));
  form.SPPN.text = "1";
  PointNumberLostFocus(session, form, ControlRole::kSourcePivot);
  EXPECT_EQ(form.SPPX.text, "5000");

  SelectInputOrder(session, form, prompter, 1);
  EXPECT_EQ(form.SPPX.text, "1000");
  EXPECT_EQ(form.SPPY.text, "5000");
  EXPECT_EQ(RequestFromForm(form).inputOrder, ColumnOrder::kNorthingFirst);
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace velkora::testing
