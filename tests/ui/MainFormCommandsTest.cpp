// The main window's load state and "Clear All": what is emptied and what is kept.
#include "ui/MainFormCommands.h"

#include <gtest/gtest.h>

#include <string>

#include "report/ConversionSummary.h"
#include "report/ReportText.h"

namespace velkora {
namespace {

TEST(MainFormCommandsTest, FormLoadSetsTheStartingStates) {
  SessionState session;
  MainForm form;
  form.btnListClr.visible = true;
  form.mnuListClr.enabled = true;
  form.mnuRptClr.enabled = true;
  form.chkSuppress.checked = 0;
  FormLoad(session, form);
  EXPECT_FALSE(form.btnListClr.visible);
  EXPECT_FALSE(form.mnuListClr.enabled);
  EXPECT_FALSE(form.mnuRptClr.enabled);
  EXPECT_EQ(form.chkSuppress.checked, 1);
  EXPECT_TRUE(session.suppressZeroElev);
}

TEST(MainFormCommandsTest, ClearAllEmptiesTheFormAndKeepsHeaderAndSuppression) {
  SessionState session;
  MainForm form;
  for (const NamedControl& named : MainFormControls()) {
    if (named.name.front() != 'b' && named.name.substr(0, 3) != "mnu") {
      (form.*named.member).text = "typed";
    }
  }
  form.SPPD = form.SRPD = form.DPPD = form.DRPD = "IRON PIN";
  form.loadedFiles.items = {"a.csv", "b.csv"};
  form.loadedFiles.selected = 1;
  session.fileCount = 2;
  session.reportFileName = "/jobs/Velkora120526.txt";
  form.ignoreDR.enabled = form.ignoreDS.enabled = true;
  form.ignoreDR.checked = form.ignoreDS.checked = 1;
  form.outFormat.selected = 3;
  form.chkSuppress.checked = 0;
  session.suppressZeroElev = false;
  session.hdr.THNumber = "12";
  session.referenceLines = {"1001  500123.4567  4981234.5678"};
  session.reportText = "Run one\r\n\fRun two\r\n";
  form.mnuRptClr.enabled = true;

  ClearAll(session, form);

  for (const char* box :
       {"rFileName", "oFileName", "SPPN", "SPPX", "SPPY", "SRPN", "SRPX", "SRPY", "DPPN", "DPPX",
        "DPPY", "DRPN", "DRPX", "DRPY", "txtDX", "txtDY", "txtDR", "txtDS", "outFormat"}) {
    for (const NamedControl& named : MainFormControls()) {
      if (named.name == box) {
        EXPECT_EQ((form.*named.member).text, "") << box;
      }
    }
  }
  EXPECT_EQ(form.SPPD + form.SRPD + form.DPPD + form.DRPD, "");
  EXPECT_TRUE(form.loadedFiles.items.empty());
  EXPECT_EQ(session.fileCount, 0);
  EXPECT_EQ(session.reportFileName, "");
  EXPECT_FALSE(form.ignoreDR.enabled);
  EXPECT_FALSE(form.ignoreDS.enabled);
  EXPECT_EQ(form.ignoreDR.checked, 0);
  EXPECT_EQ(form.ignoreDS.checked, 0);
  EXPECT_EQ(form.outFormat.selected, -1);
  EXPECT_EQ(session.reportText, "");
  EXPECT_FALSE(form.mnuRptClr.enabled);

  EXPECT_EQ(form.chkSuppress.checked, 0);
  EXPECT_FALSE(session.suppressZeroElev);
  EXPECT_EQ(session.hdr.THNumber, "12");
  EXPECT_EQ(session.referenceLines.size(), 1u);
}

TEST(MainFormCommandsTest, RunAfterClearAllIsRunOneAgainWithItsHeader) {
  ::setenv("SOURCE_DATE_EPOCH", "1796472000", 1);
  SessionState session;
  MainForm form;
  session.hdr.SPNumber = "1234-56";
  AppendRunSummary(session, form);
  AppendRunSummary(session, form);
  ClearAll(session, form);
  AppendRunSummary(session, form);

  EXPECT_EQ(session.reportText.find('\f'), std::string::npos);
  EXPECT_EQ(CountReportRuns(session.reportText), 1);
  EXPECT_NE(session.reportText.find("\r\nS.P.:1234-56   \r\n"), std::string::npos);
  EXPECT_EQ(ReportWindowText(session.reportText).substr(0, 80), ReportBanner(1));
}

}  // namespace
}  // namespace velkora
