// The conversion summary, byte for byte: the worked example and each block's rules.
#include "report/ConversionSummary.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "report/ReportText.h"
#include "report/SummaryTestSupport.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

using testing::CrLfLines;
using testing::FixReportDate;

const std::string kTitle =
    "Velkora Program          Coordinate Conversion Summary               Dec 5, 2026";

// The text between `from` (exclusive) and `to` (exclusive) of the report.
std::string Between(const std::string& report, const std::string& from, const std::string& to) {
  const std::size_t start = report.find(from);
  const std::size_t end = report.find(to);
  if (start == std::string::npos || end == std::string::npos || end < start + from.size()) {
    return "<missing>";
  }
  return report.substr(start + from.size(), end - start - from.size());
}

// Lines after the title line, down to the empty line before the calculation block.
std::string HeaderAndTable(const SessionState& session) {
  return Between(session.reportText, kTitle + "\r\n", "\r\nTarget Coordinate Calculations");
}

std::string SummaryOf(const HeaderInfo& hdr) {
  FixReportDate();
  SessionState session;
  session.hdr = hdr;
  AppendRunSummary(session, MainForm());
  return HeaderAndTable(session);
}

TEST(ConversionSummaryTest, ReproducesTheWorkedExample) {
  FixReportDate();
  SessionState session;
  MainForm form;
  session.hdr.THNumber = "12";
  session.hdr.SPNumber = "1234-56";
  session.hdr.Comments =
      "Grading, base and surfacing from the north junction to the river bridge, with frontage "
      "roads";
  session.hdr.HorDatum = "NAD83(96)";
  session.hdr.VerDatum = "NAVD88";
  session.hdr.CoordSys = "UTM Zone 15E";
  form.SPPN.text = "1001";
  form.SPPX.text = "500123.4567";
  form.SPPY.text = "4981234.5678";
  form.SPPD = "IRON PIN FOUND";
  form.SRPN.text = "1002";
  form.SRPX.text = "500623.4567";
  form.SRPY.text = "4981734.5678";
  form.SRPD = "IRON PIN";
  form.DPPN.text = "1001";
  form.DPPX.text = "501123.4567";
  form.DPPY.text = "4980984.0678";
  session.hasPivot = true;
  session.doTranslate = true;
  session.deltaX = 1000;
  session.deltaY = -250.5;
  session.doRotate = true;
  session.rotationAngle = ParseAngle(session, "0.3000").value();
  session.doScale = true;
  session.scaleFactor = 1.0001;

  AppendRunSummary(session, form);
  AppendFileLine(session, R"(C:\Survey\Job12\topo.csv)", 312);
  AppendFileLine(session,
                 R"(C:\Survey\Job12\Existing Ground\Field Data\Second Crew\Monday Afternoon )"
                 R"(Shots\breaklines-and-spots.txt)",
                 1045);
  session.reportText += "\r\nOutput File\r\n-----------\r\n";
  AppendFileLine(session, R"(C:\Survey\Job12\converted.txt)", 1357);

  EXPECT_EQ(
      session.reportText,
      CrLfLines({
          kTitle,
          "",
          "T.H.:12   S.P.:1234-56   Desc:Grading, base and surfacing from the north",
          "  junction to the river bridge, with frontage roads",
          "Horizontal Datum:NAD83(96) UTM Zone 15E                    Vertical Datum:NAVD88",
          "",
          " Coordinate Control   Point Num    X-Coord      Y-Coord         Description",
          "--------------------  ---------  -----------  -----------  ---------------------",
          "  Source Pivot Point  1001       500123.4567 4981234.5678  IRON PIN FOUND",
          "  Source Angle Point  1002       500623.4567 4981734.5678  IRON PIN",
          "  Target Pivot Point  1001       501123.4567 4980984.0678  ",
          "",
          "Target Coordinate Calculations",
          "------------------------------",
          "  X Coordinate = Source X Coord.  + 1000.0000",
          "  Y Coordinate = Source Y Coord.  - 250.5000",
          "  Rotate Angle = Source Direction + 0^30'00.00\"",
          "  Scale Factor = Source Distance  * 1.0001",
          "",
          "Input File List",
          "---------------",
          R"(  C:\Survey\Job12\topo.csv                                            312 Points)",
          R"(  C:\Survey\Job12\Existing Ground\Field Data\Second Crew\Monday Afternoon Shots\)",
          R"(    breaklines-and-spots.txt                                         1045 Points)",
          "",
          "Output File",
          "-----------",
          R"(  C:\Survey\Job12\converted.txt                                      1357 Points)",
      }));
}

TEST(ConversionSummaryTest, TitleLineEndsInColumn80WhateverTheDate) {
  const struct {
    const char* epoch;
    std::string dateField;
  } cases[] = {
      {"1796472000", "               Dec 5, 2026"}, {"1797336000", "              Dec 15, 2026"},
      {"0", "               Jan 1, 1970"},          {"-1", "              Dec 31, 1969"},
      {"1709164800", "              Feb 29, 2024"},
  };
  for (const auto& c : cases) {
    FixReportDate(c.epoch);
    SessionState session;
    AppendRunSummary(session, MainForm());
    const std::string title = session.reportText.substr(0, session.reportText.find("\r\n"));
    EXPECT_EQ(title, "Velkora Program          Coordinate Conversion Summary" + c.dateField)
        << c.epoch;
  }
}

TEST(ConversionSummaryTest, UnusableEpochFallsBackToToday) {
  ::unsetenv("SOURCE_DATE_EPOCH");
  const std::string today = ReportDate();
  for (const char* epoch :
       {"", "abc", "1796472000x", " 1796472000", "253402300800", "-30610224001"}) {
    FixReportDate(epoch);
    EXPECT_EQ(ReportDate(), today) << epoch;
  }
  FixReportDate("253402300799");
  EXPECT_EQ(ReportDate(), "Dec 31, 9999");
  FixReportDate("-30610224000");
  EXPECT_EQ(ReportDate(), "Jan 1, 1000");
}

TEST(ConversionSummaryTest, HeaderBlockWrapsAt80Columns) {
  const std::string c65(65, 'c');
  const std::string c66(66, 'c');
  const std::string c75(75, 'c');
  const std::string c76 =
      "Grading, base, surfacing and bituminous pavement from the junction to bridge";
  std::string words40 = "word00";
  for (int i = 1; i < 40; ++i) {
    words40 += (i < 10 ? " word0" : " word") + std::to_string(i);
  }
  const struct {
    const char* name;
    std::string th, sp, comments;
    std::vector<std::string> lines;
  } cases[] = {
      {"nothing set", "", "", "", {}},
      {"only S.P. keeps its trailing blanks", "", "1234-56", "", {"", "S.P.:1234-56   "}},
      {"short description follows", "12", "", "Short", {"", "T.H.:12   Desc:Short"}},
      {"line of exactly 80", "12", "", c65, {"", "T.H.:12   Desc:" + c65}},
      {"66 characters do not fit after T.H.", "12", "", c66, {"", "T.H.:12   ", "Desc:" + c66}},
      {"75 characters move to their own line",
       "12",
       "1234-56",
       c75,
       {"", "T.H.:12   S.P.:1234-56   ", "Desc:" + c75}},
      {"76 characters stay and wrap at a blank",
       "12",
       "1234-56",
       c76,
       {"", "T.H.:12   S.P.:1234-56   Desc:Grading, base, surfacing and bituminous pavement",
        "  from the junction to bridge"}},
      {"long word cut hard after column 80",
       "",
       "",
       "Long " + std::string(100, 'x'),
       {"", "Desc:Long", "  " + std::string(78, 'x'), "  " + std::string(22, 'x')}},
      {"several continuation lines",
       "",
       "",
       words40,
       {"", "Desc:word00 word01 word02 word03 word04 word05 word06 word07 word08 word09",
        "  word10 word11 word12 word13 word14 word15 word16 word17 word18 word19 word20",
        "  word21 word22 word23 word24 word25 word26 word27 word28 word29 word30 word31",
        "  word32 word33 word34 word35 word36 word37 word38 word39"}},
      {"long word after the T.H. item",
       "12",
       "",
       std::string(100, 'y'),
       {"", "T.H.:12  ", "  Desc:" + std::string(73, 'y'), "  " + std::string(27, 'y')}},
  };
  for (const auto& c : cases) {
    HeaderInfo hdr;
    hdr.THNumber = c.th;
    hdr.SPNumber = c.sp;
    hdr.Comments = c.comments;
    EXPECT_EQ(SummaryOf(hdr), CrLfLines(c.lines)) << c.name;
  }
}

TEST(ConversionSummaryTest, DatumLineAlignsTheVerticalDatumToColumn80) {
  const std::string s39(39, 's');
  const std::string s40(40, 's');
  const std::string s70(70, 's');
  const struct {
    const char* name;
    std::string hor, coordSys, ver;
    std::string line;
  } cases[] = {
      {"horizontal only", "NAD83(96)", "", "", "Horizontal Datum:NAD83(96)"},
      {"system after the horizontal datum", "NAD27", "UTM Zone 15E", "",
       "Horizontal Datum:NAD27 UTM Zone 15E"},
      {"system alone", "", "UTM Zone 15E", "", "Coordinate System:UTM Zone 15E"},
      {"vertical alone", "", "", "NAVD88", "Vertical Datum:NAVD88"},
      {"system and vertical at 63", "", s39, "NAVD88",
       "Coordinate System:" + s39 + "  Vertical Datum:NAVD88"},
      {"system and vertical at 64", "", s40, "NAVD88",
       "Coordinate System:" + s40 + "       Vertical:NAVD88"},
      {"no room left", "", s70, "NAVD88", "Coordinate System:" + s70 + "Vertical:NAVD88"},
  };
  for (const auto& c : cases) {
    HeaderInfo hdr;
    hdr.HorDatum = c.hor;
    hdr.CoordSys = c.coordSys;
    hdr.VerDatum = c.ver;
    EXPECT_EQ(SummaryOf(hdr), CrLfLines({"", c.line})) << c.name;
  }
}

struct BoxTexts {
  std::string number, x, y, description;
};

TEST(ConversionSummaryTest, ControlTableRows) {
  const std::string label[] = {"  Source Pivot Point  ", "  Source Angle Point  ",
                               "  Target Pivot Point  ", "  Target Angle Point  "};
  const std::string blank13(13, ' ');
  const BoxTexts pin = {"1001", "500123.4567", "4981234.5678", "IRON PIN FOUND"};
  const struct {
    const char* name;
    BoxTexts spp, srp, dpp, drp;
    std::vector<std::string> rows;
  } cases[] = {
      {"source pivot only",
       pin,
       {},
       {},
       {},
       {label[0] + "1001       500123.4567 4981234.5678  IRON PIN FOUND"}},
      {"empty source pivot still printed",
       {},
       {},
       {},
       {},
       {label[0] + std::string(9, ' ') + blank13 + blank13 + "  "}},
      {"blanks only leave a row out",
       pin,
       {"  ", " ", "   ", "ignored"},
       {},
       {},
       {label[0] + "1001       500123.4567 4981234.5678  IRON PIN FOUND"}},
      {"blank number with an X value",
       pin,
       {},
       {},
       {"   ", "1000", "", ""},
       {label[0] + "1001       500123.4567 4981234.5678  IRON PIN FOUND",
        label[3] + std::string(9, ' ') + "    1000.0000" + blank13 + "  "}},
      {"number only",
       pin,
       {},
       {"7", "", "", ""},
       {},
       {label[0] + "1001       500123.4567 4981234.5678  IRON PIN FOUND",
        label[2] + "7        " + blank13 + blank13 + "  "}},
      {"number cut to 9, coordinate to its last 13, description to 21",
       {"ABCDEFGHIJKL", "123456789.1234", "1,234.5", "MONUMENT IN CONCRETE BOX"},
       {},
       {},
       {},
       {label[0] + "ABCDEFGHI" + "23456789.1234" + "    1234.5000" + "  MONUMENT IN CONCRETE "}},
      {"number kept untrimmed, texts that are not numbers",
       {" 42", "abc", "12.5 m", "CP"},
       {},
       {},
       {},
       {label[0] + " 42      " + blank13 + blank13 + "  CP"}},
  };
  for (const auto& c : cases) {
    FixReportDate();
    SessionState session;
    session.hasPivot = true;
    MainForm form;
    const std::pair<const BoxTexts*, std::array<Control*, 3>> points[] = {
        {&c.spp, {&form.SPPN, &form.SPPX, &form.SPPY}},
        {&c.srp, {&form.SRPN, &form.SRPX, &form.SRPY}},
        {&c.dpp, {&form.DPPN, &form.DPPX, &form.DPPY}},
        {&c.drp, {&form.DRPN, &form.DRPX, &form.DRPY}},
    };
    std::string* descriptions[] = {&form.SPPD, &form.SRPD, &form.DPPD, &form.DRPD};
    for (std::size_t i = 0; i < 4; ++i) {
      points[i].second[0]->text = points[i].first->number;
      points[i].second[1]->text = points[i].first->x;
      points[i].second[2]->text = points[i].first->y;
      *descriptions[i] = points[i].first->description;
    }
    AppendRunSummary(session, form);
    EXPECT_EQ(Between(session.reportText, "  ---------------------\r\n",
                      "\r\nTarget Coordinate Calculations"),
              CrLfLines(c.rows))
        << c.name;
  }
}

TEST(ConversionSummaryTest, NoTableWithoutPivot) {
  FixReportDate();
  SessionState session;
  MainForm form;
  form.SPPN.text = "1";
  form.DRPX.text = "100";
  AppendRunSummary(session, form);
  EXPECT_EQ(HeaderAndTable(session), "");
}

TEST(ConversionSummaryTest, CalculationBlock) {
  const struct {
    const char* name;
    bool translate;
    double dx, dy;
    std::optional<std::string> angle;
    std::optional<double> scale;
    std::vector<std::string> lines;
  } cases[] = {
      {"nothing applied", false, 0, 0, {}, {}, {}},
      {"zero shift keeps its plus sign",
       true,
       0,
       -3.5,
       {},
       {},
       {"  X Coordinate = Source X Coord.  + 0.0000",
        "  Y Coordinate = Source Y Coord.  - 3.5000"}},
      {"rotation with seconds",
       false,
       0,
       0,
       "12 05 30.12",
       {},
       {"  Rotate Angle = Source Direction + 12^05'30.12\""}},
      {"negative rotation",
       false,
       0,
       0,
       "-0.3000",
       {},
       {"  Rotate Angle = Source Direction - 0^30'00.00\""}},
      {"single-digit seconds",
       false,
       0,
       0,
       "9 00 09.5",
       {},
       {"  Rotate Angle = Source Direction + 9^00'09.50\""}},
      {"seconds carry into minutes and degrees",
       false,
       0,
       0,
       "44 59 59.999",
       {},
       {"  Rotate Angle = Source Direction + 45^00'00\""}},
      {"scale", false, 0, 0, {}, 1.0001, {"  Scale Factor = Source Distance  * 1.0001"}},
      {"negative scale", false, 0, 0, {}, -0.5, {"  Scale Factor = Source Distance  * -0.5"}},
      {"tiny scale", false, 0, 0, {}, 0.00001, {"  Scale Factor = Source Distance  * 1E-05"}},
  };
  for (const auto& c : cases) {
    FixReportDate();
    SessionState session;
    session.doTranslate = c.translate;
    session.deltaX = c.dx;
    session.deltaY = c.dy;
    if (c.angle) {
      session.doRotate = true;
      session.rotationAngle = ParseAngle(session, *c.angle).value();
    }
    if (c.scale) {
      session.doScale = true;
      session.scaleFactor = *c.scale;
    }
    AppendRunSummary(session, MainForm());
    EXPECT_EQ(
        Between(session.reportText, "------------------------------\r\n", "\r\nInput File List"),
        CrLfLines(c.lines))
        << c.name;
  }
}

TEST(ConversionSummaryTest, FileLinesBreakAfterFolderSeparators) {
  const std::string d74(74, 'd');
  const std::string d75(75, 'd');
  const std::string p66 = "C:\\" + std::string(63, 'p');
  const std::string p67 = p66 + "q";
  const std::string p78 = "C:\\" + std::string(75, 'p');
  const struct {
    const char* name;
    std::string path;
    std::int64_t count;
    std::vector<std::string> lines;
  } cases[] = {
      {"no points", "topo.csv", 0, {"  topo.csv" + std::string(61, ' ') + "   Points"}},
      {"path fills the line with its count", p66, 312, {"  " + p66 + "  312 Points"}},
      {"one character more: count on its own line",
       p67,
       312,
       {"  " + p67, "  " + std::string(66, ' ') + "  312 Points"}},
      {"path of 80 columns with its indent",
       p78,
       5,
       {"  " + p78, "  " + std::string(68, ' ') + "  5 Points"}},
      {"backslash in column 80",
       "C:\\" + d74 + "\\file.txt",
       1,
       {"  C:\\" + d74 + "\\", "    file.txt" + std::string(58, ' ') + "  1 Points"}},
      {"backslash in column 81",
       "C:\\" + d75 + "\\file.txt",
       1,
       {"  C:\\", "    " + d75 + "\\", "    file.txt" + std::string(58, ' ') + "  1 Points"}},
      {"forward slashes",
       "/srv/" + d74 + "/a.txt",
       2,
       {"  /srv/", "    " + d74 + "/", "    a.txt" + std::string(61, ' ') + "  2 Points"}},
      {"no separator at all",
       std::string(100, 'n'),
       3,
       {"  " + std::string(78, 'n'),
        "    " + std::string(22, 'n') + std::string(44, ' ') + "  3 Points"}},
      {"count beyond 16 bits",
       "big.txt",
       5000000000,
       {"  big.txt" + std::string(52, ' ') + "  5000000000 Points"}},
  };
  for (const auto& c : cases) {
    SessionState session;
    AppendFileLine(session, c.path, c.count);
    EXPECT_EQ(session.reportText, CrLfLines(c.lines)) << c.name;
  }
}

TEST(ConversionSummaryTest, OnlyLaterRunsStartWithOneFormFeed) {
  FixReportDate();
  SessionState session;
  MainForm form;
  AppendRunSummary(session, form);
  const std::string firstRun = session.reportText;
  EXPECT_EQ(firstRun.find('\f'), std::string::npos);

  AppendRunSummary(session, form);
  EXPECT_EQ(session.reportText, firstRun + "\f" + firstRun);

  ClearReport(session, form);
  AppendRunSummary(session, form);
  EXPECT_EQ(session.reportText, firstRun);
}

}  // namespace
}  // namespace velkora
