// The coordinate listing: columns from the dash line, continuation lines, page breaks and
// the last line of the file.
#include <gtest/gtest.h>

#include "input/ListingReader.h"
#include "input/ReadingTestSupport.h"

namespace velkora::testing {
namespace {

TEST(TakeListingColumns, FindsTheBlankBeforeEachDashGroup) {
  struct Row {
    std::string dashLine;
    bool usable;
    std::int64_t col1, col2, col3, col4;
  };
  const Row rows[] = {
      {"----------- ---------- ---------- -------- -------", true, 12, 23, 34, 43},
      {"-- -- -- -- --", true, 3, 6, 9, 12},
      {"--  ---   --- -- ---------", true, 4, 10, 14, 17},
      {"-- -- -- --", false, 3, 6, 9, 0},
      {"-----------", false, 0, 0, 0, 0},
      {"", false, 0, 0, 0, 0},
      {" -- -- -- --", true, 1, 4, 7, 10},
  };
  for (const Row& row : rows) {
    SessionState session;
    EXPECT_EQ(TakeListingColumns(row.dashLine, session), row.usable) << row.dashLine;
    EXPECT_EQ(session.listingCol1, row.col1) << row.dashLine;
    EXPECT_EQ(session.listingCol2, row.col2) << row.dashLine;
    EXPECT_EQ(session.listingCol3, row.col3) << row.dashLine;
    EXPECT_EQ(session.listingCol4, row.col4) << row.dashLine;
  }
}

const std::string kTitle = "   Copyright 2026 DOT\r\n   COORDINATE LISTING\r\n\r\n";
const std::string kHeader = " Point      Northing    Easting    Station  Elevation\r\n";
const std::string kDashes = "----------- ---------- ---------- -------- ---------\r\n";

std::string PointLine(const std::string& number, const std::string& north, const std::string& east,
                      const std::string& elevation) {
  std::string line = number;
  line.resize(11, ' ');
  return line + " " + std::string(10 - north.size(), ' ') + north + " " +
         std::string(10 - east.size(), ' ') + east + " 10+00.00 " + elevation + "\r\n";
}

std::string WithoutBreak(const std::string& line) {
  return line.substr(0, line.size() - 2);
}

TEST(ListingReader, ReadsEveryPointOfTheListing) {
  struct Row {
    const char* name;
    std::string body;  // what follows the title block, the header and the dash line
    std::vector<std::string> points;
  };
  const Row rows[] = {
      {"Continuations",
       PointLine("1", "2000.5", "1000.25", "12.5") + "            FEATURE : IPF \r\n" +
           "-----------  Description:IRON: PIN\r\n" + "           NOTE: SET 2026\r\n" +
           PointLine("2", "2001", "1001", "13"),
       {"1|1000.2500|2000.5000|12.5000|IPF|IRON: PIN", "2|1001.0000|2001.0000|13.0000||"}},
      {"ValueMentionsTheOtherCaption",
       PointLine("1", "2000", "1000", "1") + "            Description: WATER FEATURE\r\n" +
           "            Feature: DESCRIPTION SIGN\r\n",
       {"1|1000.0000|2000.0000|1.0000|DESCRIPTION SIGN|WATER FEATURE"}},
      {"CaptionWithoutColon",
       PointLine("1", "2000", "1000", "1") + "            Feature IPF\r\n",
       {"1|1000.0000|2000.0000|1.0000|Feature IPF|"}},
      {"PageBreakBetweenPoints",
       PointLine("1", "2000", "1000", "1") + "*****\r\n" + kTitle + kHeader + kDashes +
           PointLine("2", "2001", "1001", "2"),
       {"1|1000.0000|2000.0000|1.0000||", "2|1001.0000|2001.0000|2.0000||"}},
      {"PageBreakInsideContinuations",
       PointLine("1", "2000", "1000", "1") + "*\r\n" + kTitle + kHeader + kDashes +
           "            Description: AFTER BREAK\r\n" + PointLine("2", "2001", "1001", "2"),
       {"1|1000.0000|2000.0000|1.0000||AFTER BREAK", "2|1001.0000|2001.0000|2.0000||"}},
      {"InvalidPointsSkipped",
       PointLine("", "2000", "1000", "1") + PointLine("3", "0", "1000", "1") +
           PointLine("4", "2004", "1004", "4"),
       {"4|1004.0000|2004.0000|4.0000||"}},
      {"OnlyPointIsTheLastLine",
       "\r\n" + WithoutBreak(PointLine("9", "2009", "1009", "9")),
       {"9|1009.0000|2009.0000|9.0000||"}},
      {"LastLinePointAfterOthers",
       PointLine("1", "2000", "1000", "1") + "            Feature: A\r\n" +
           PointLine("2", "2002", "1002", "2"),
       {"1|1000.0000|2000.0000|1.0000|A|", "2|1002.0000|2002.0000|2.0000||"}},
      {"BlankAndDashLinesBeforeFirstPoint",
       "\r\n   \r\n-----------\r\n" + PointLine("1", "2000", "1000", "1"),
       {"1|1000.0000|2000.0000|1.0000||"}},
  };
  ScratchFolder folder;
  for (const Row& row : rows) {
    SessionState session;
    ScriptedPrompter prompter;
    const std::string path = folder.Write(row.name, kTitle + kHeader + kDashes + row.body);
    EXPECT_EQ(ReadAllPoints(session, prompter, path), row.points) << row.name;
    EXPECT_TRUE(prompter.messages.empty()) << row.name;
  }
}

TEST(ListingReader, XFirstListingSetsElevationToZero) {
  ScratchFolder folder;
  SessionState session;
  ScriptedPrompter prompter;
  session.point.elev = 99;
  const std::string header = " Point      X          Y          Station  Elevation\r\n";
  const std::string path =
      folder.Write("xfirst.txt", kTitle + header + kDashes + PointLine("1", "1000", "2000", "5") +
                                     PointLine("2", "1001", "2001", "6"));
  EXPECT_EQ(ReadAllPoints(session, prompter, path),
            (std::vector<std::string>{"1|1000.0000|2000.0000|0.0000||",
                                      "2|1001.0000|2001.0000|0.0000||"}));
  EXPECT_TRUE(session.listingXFirst);
}

}  // namespace
}  // namespace velkora::testing
