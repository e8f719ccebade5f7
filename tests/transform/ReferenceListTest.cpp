// The reference list: its lines, loading a reference file, the number lookup and the events
// of the reference file box and the four number boxes.
#include "transform/ReferenceList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "session/MainForm.h"
#include "session/SessionState.h"
#include "session/TextColumns.h"
#include "support/ScriptedPrompter.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;

std::string DataFile(const char* name) {
  return std::string(VELKORA_TEST_DATA_DIR) + "/transform/" + name;
}

PointRecord Point(const char* number, double x, double y, const char* description) {
  PointRecord point;
  point.pointNum = number;
  point.x = x;
  point.y = y;
  point.description = description;
  return point;
}

// Each line is split back into the texts it was built from.
TEST(ReferenceListLine, FixedColumnsAndTheirSplit) {
  struct Row {
    PointRecord point;
    const char* line;
    const char* x;
    const char* y;
    const char* description;
  };
  const Row rows[] = {
      {Point("1", 1000, 1000, "PIVOT SOURCE"), "1            1000.0000    1000.0000  PIVOT SOURCE",
       "1000.0000", "1000.0000", "PIVOT SOURCE"},
      {Point("LONGNUMBER12", 6000, 5000, "  Twelve  "),
       "LONGNUMBE    6000.0000    5000.0000  Twelve", "6000.0000", "5000.0000", "Twelve"},
      {Point("105", 2345.6789, 3456.78901, ""), "105          2345.6789    3456.7890  ",
       "2345.6789", "3456.7890", ""},
      // Thirteen characters fill the field; X and Y then touch.
      {Point("7", -1234567.12345, 12345678.5, "edge"), "7        -1234567.123412345678.5000  edge",
       "-1234567.1234", "12345678.5000", "edge"},
      // A longer coordinate widens the line rather than losing its leading digits.
      {Point("07", -123456789.98765, 2345.6789, "wide"),
       "07        -123456789.9877    2345.6789  wide", "-123456789.9877", "2345.6789", "wide"},
      {Point("9", 1.5, -98765432109.25, "A description longer than 21"),
       "9               1.5000 -98765432109.2500  A description longer than 21", "1.5000",
       "-98765432109.2500", "A description longer "},
      {Point("8", 0.00004, -0.00004, "zero"), "8               0.0000       0.0000  zero", "0.0000",
       "0.0000", "zero"}};
  for (const Row& row : rows) {
    const std::string line = ReferenceListLine(row.point, 4);
    EXPECT_EQ(line, row.line);
    const ReferenceLineFields fields = SplitReferenceLine(line, 4);
    EXPECT_EQ(fields.number, Left(row.point.pointNum, 9)) << line;
    EXPECT_EQ(fields.xText, row.x) << line;
    EXPECT_EQ(fields.yText, row.y) << line;
    EXPECT_EQ(fields.description, row.description) << line;
  }
}

class ReferenceFileTest : public ::testing::Test {
 protected:
  bool Load(const std::string& path) {
    form.rFileName.text = path;
    return LoadReferenceFile(session, form, prompter);
  }

  SessionState session;
  MainForm form;
  ScriptedPrompter prompter;
};

TEST_F(ReferenceFileTest, LoadsOneLinePerPointInFileOrder) {
  std::ostringstream output;
  session.outFile = &output;
  session.outFormatCode = 0;
  ASSERT_TRUE(Load(DataFile("reference.csv")));
  const std::vector<std::string> expected = {
      "1            1000.0000    1000.0000  PIVOT SOURCE",
      "2            1000.1234    2000.0000  Reference point with a long description",
      "10           5000.0000    5000.0000  Destination pivot",
      "2            9999.0000    9999.0000  Second point two",
      "LONGNUMBE    6000.0000    5000.0000  Twelve character number",
      "07        -123456789.9877    2345.6789  Negative and wide",
      "105          2345.6789    3456.7890  ",
  };
  EXPECT_EQ(session.referenceLines, expected);
  EXPECT_EQ(session.referenceWidth, 76);
  // The comment line is not copied while the reference file is read.
  EXPECT_EQ(output.str(), "");
  EXPECT_EQ(session.outFormatCode, 0);
  EXPECT_FALSE(session.inFile.IsOpen());
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ReferenceFileTest, ListWidthIsTheLongestLineButAtLeast47) {
  struct Row {
    const char* file;
    std::int64_t width;
  };
  const Row rows[] = {{"short_lines.csv", 47}, {"sixty.csv", 60}, {"reference.csv", 76}};
  for (const Row& row : rows) {
    ASSERT_TRUE(Load(DataFile(row.file))) << row.file;
    EXPECT_EQ(session.referenceWidth, row.width) << row.file;
  }
}

TEST_F(ReferenceFileTest, FailedLoadEmptiesTheBoxAndKeepsTheList) {
  ASSERT_TRUE(Load(DataFile("short_lines.csv")));
  const std::vector<std::string> before = session.referenceLines;
  for (const std::string& path : {DataFile("not_coordinates.txt"), DataFile("missing.csv"),
                                  std::string(VELKORA_TEST_DATA_DIR)}) {
    form.rFileName.text = path;
    EXPECT_FALSE(LoadReferenceFile(session, form, prompter)) << path;
    EXPECT_EQ(form.rFileName.text, "") << path;
    EXPECT_EQ(session.referenceLines, before) << path;
    EXPECT_EQ(session.referenceWidth, 47) << path;
  }
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ReferenceFileTest, LookupFillsTheControlPoint) {
  ASSERT_TRUE(Load(DataFile("reference.csv")));
  struct Row {
    const char* typed;
    const char* number;
    const char* x;
    const char* y;
    const char* description;
    const char* focus;
  };
  const Row rows[] = {
      {" 2", "2", "1000.1234", "2000", "Reference point with ", ""},
      {"1", "1", "1000", "1000", "PIVOT SOURCE", ""},
      {"10", "10", "5000", "5000", "Destination pivot", ""},
      {"07", "07", "-123456789.9877", "2345.6789", "Negative and wide", ""},
      {"LONGNUMBE", "LONGNUMBE", "6000", "5000", "Twelve character numb", ""},
      {"105", "105", "2345.6789", "3456.789", "", ""},
      {"02", "", "", "", "", "SPPN"},
      {"7", "", "", "", "", "SPPN"},
      {"LONGNUMBER12", "", "", "", "", "SPPN"},
      {"", "", "", "", "", ""},  // an empty box empties the point but lets the focus go
      {"   ", "", "", "", "", ""},
  };
  for (const Row& row : rows) {
    form.focus.clear();
    form.SPPN.text = row.typed;
    form.SPPX.text = "old X";
    form.SPPY.text = "old Y";
    form.SPPD = "old description";
    PointNumberLostFocus(session, form, ControlRole::kSourcePivot);
    EXPECT_EQ(form.SPPN.text, row.number) << '"' << row.typed << '"';
    EXPECT_EQ(form.SPPX.text, row.x) << '"' << row.typed << '"';
    EXPECT_EQ(form.SPPY.text, row.y) << '"' << row.typed << '"';
    EXPECT_EQ(form.SPPD, row.description) << '"' << row.typed << '"';
    EXPECT_EQ(form.focus, row.focus) << '"' << row.typed << '"';
  }
}

TEST_F(ReferenceFileTest, EachRoleFillsItsOwnBoxes) {
  ASSERT_TRUE(Load(DataFile("reference.csv")));
  struct Row {
    ControlRole role;
    Control MainForm::*number;
    Control MainForm::*x;
    std::string MainForm::*description;
    const char* focus;
  };
  const Row rows[] = {
      {ControlRole::kSourcePivot, &MainForm::SPPN, &MainForm::SPPX, &MainForm::SPPD, "SPPN"},
      {ControlRole::kSourceReference, &MainForm::SRPN, &MainForm::SRPX, &MainForm::SRPD, "SRPN"},
      {ControlRole::kDestinationPivot, &MainForm::DPPN, &MainForm::DPPX, &MainForm::DPPD, "DPPN"},
      {ControlRole::kDestinationReference, &MainForm::DRPN, &MainForm::DRPX, &MainForm::DRPD,
       "DRPN"},
  };
  for (const Row& row : rows) {
    MainForm fresh;
    fresh.rFileName.text = form.rFileName.text;
    (fresh.*row.number).text = "10";
    PointNumberLostFocus(session, fresh, row.role);
    EXPECT_EQ((fresh.*row.x).text, "5000") << row.focus;
    EXPECT_EQ(fresh.*row.description, "Destination pivot") << row.focus;
    (fresh.*row.number).text = "missing";
    PointNumberLostFocus(session, fresh, row.role);
    EXPECT_EQ((fresh.*row.x).text, "") << row.focus;
    EXPECT_EQ(fresh.focus, row.focus);
  }
}

TEST_F(ReferenceFileTest, WithoutAReferenceFileTheBoxesAreTypedFreely) {
  ASSERT_TRUE(Load(DataFile("reference.csv")));
  form.rFileName.text = "  ";
  form.SRPN.text = "not in the file";
  form.SRPX.text = "12.5";
  form.SRPY.text = "13.5";
  PointNumberLostFocus(session, form, ControlRole::kSourceReference);
  EXPECT_EQ(form.SRPN.text, "not in the file");
  EXPECT_EQ(form.SRPX.text, "12.5");
  EXPECT_EQ(form.SRPY.text, "13.5");
  EXPECT_EQ(form.focus, "");
}

TEST_F(ReferenceFileTest, FindReferencePointLeavesThePointWhenNotFound) {
  ASSERT_TRUE(Load(DataFile("reference.csv")));
  session.point = Point("keep", 1, 2, "kept");
  EXPECT_FALSE(FindReferencePoint(session, "3"));
  EXPECT_EQ(session.point.pointNum, "keep");
  EXPECT_EQ(session.point.x, 1);
  ASSERT_TRUE(FindReferencePoint(session, "2"));
  EXPECT_EQ(session.point.x, 1000.1234);  // the first of the two, as the list shows it
  EXPECT_EQ(session.point.y, 2000);
  EXPECT_EQ(session.msgText, session.referenceLines[1]);
}

TEST_F(ReferenceFileTest, FindsTheLastOfAVeryLongList) {
  session.referenceLines.reserve(300000);
  for (int i = 0; i < 300000; ++i) {
    session.referenceLines.push_back(
        ReferenceListLine(Point(std::to_string(i).c_str(), 1000 + i, 2000, "P"), 4));
  }
  ASSERT_TRUE(FindReferencePoint(session, "299999"));
  EXPECT_EQ(session.point.x, 300999);
  EXPECT_FALSE(FindReferencePoint(session, "300000"));
}

TEST_F(ReferenceFileTest, LostFocusReloadsOnlyAChangedName) {
  const fs::path copy = fs::temp_directory_path() / "velkora_reference_lost_focus.csv";
  fs::copy_file(DataFile("short_lines.csv"), copy, fs::copy_options::overwrite_existing);
  ASSERT_TRUE(Load(copy.string()));
  fs::remove(copy);
  // Unchanged: no reload, so the vanished file goes unnoticed.
  ReferenceFileLostFocus(session, form, prompter);
  EXPECT_EQ(form.rFileName.text, copy.string());
  EXPECT_EQ(session.referenceLines.size(), 2U);
  // Another input file was handled since: the name differs from curFileName and reloads.
  session.curFileName = "another input file";
  ReferenceFileLostFocus(session, form, prompter);
  EXPECT_EQ(form.rFileName.text, "");
  form.rFileName.text = DataFile("reference.csv");
  ReferenceFileLostFocus(session, form, prompter);
  EXPECT_EQ(session.referenceLines.size(), 7U);
}

TEST_F(ReferenceFileTest, LostFocusLoadsTheInputFileHandledLast) {
  // The name typed is the input file just added: curFileName already holds it.
  session.curFileName = DataFile("reference.csv");
  form.rFileName.text = session.curFileName;
  ReferenceFileLostFocus(session, form, prompter);
  EXPECT_EQ(session.referenceLines.size(), 7U);
  EXPECT_EQ(session.referenceFileName, form.rFileName.text);
}

TEST_F(ReferenceFileTest, SelectDialogAndDrop) {
  form.rFileName.text = DataFile("short_lines.csv");
  ASSERT_TRUE(LoadReferenceFile(session, form, prompter));

  SelectReferenceFile(session, form, prompter);  // cancelled
  ASSERT_EQ(prompter.dialogs.size(), 1U);
  EXPECT_EQ(prompter.dialogs[0].kind, "open");
  EXPECT_EQ(prompter.dialogs[0].title, "Select A Control Points Reference File");
  EXPECT_EQ(prompter.dialogs[0].presetName, DataFile("short_lines.csv"));
  EXPECT_EQ(form.rFileName.text, DataFile("short_lines.csv"));
  EXPECT_EQ(session.referenceLines.size(), 2U);

  prompter.fileAnswers.push_back(DataFile("reference.csv"));
  SelectReferenceFile(session, form, prompter);
  EXPECT_EQ(form.rFileName.text, DataFile("reference.csv"));
  EXPECT_EQ(session.referenceLines.size(), 7U);

  DropReferenceFile(session, form, prompter, {DataFile("sixty.csv"), DataFile("reference.csv")});
  EXPECT_EQ(form.rFileName.text, DataFile("sixty.csv"));
  EXPECT_EQ(session.referenceLines.size(), 1U);
  DropReferenceFile(session, form, prompter, {});
  EXPECT_EQ(form.rFileName.text, DataFile("sixty.csv"));
}

TEST_F(ReferenceFileTest, RealSurveyFile) {
  const std::string path =
      std::string(VELKORA_REAL_DATA_DIR) + "/delimited/bezitopo_topo0_pnezd.asc";
  if (!fs::exists(path)) {
    GTEST_SKIP() << "no real data at " << path;
  }
  ASSERT_TRUE(Load(path));
  EXPECT_EQ(session.referenceLines.size(), 1311U);
  form.DRPN.text = "226";
  PointNumberLostFocus(session, form, ControlRole::kDestinationReference);
  const auto found = std::find_if(session.referenceLines.begin(), session.referenceLines.end(),
                                  [](const std::string& line) { return line.starts_with("226 "); });
  ASSERT_NE(found, session.referenceLines.end());
  EXPECT_EQ(*found, "226        538636.8726 1455489.2012  ");
  EXPECT_EQ(form.DRPX.text, "538636.8726");
  EXPECT_EQ(form.DRPY.text, "1455489.2012");
  EXPECT_EQ(form.DRPD, "");
}

}  // namespace
}  // namespace velkora
