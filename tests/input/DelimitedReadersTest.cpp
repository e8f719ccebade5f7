// Field splitting of the comma-delimited and Geopak-delimited lines, and the comment lines
// that travel to a comma-delimited output.
#include <gtest/gtest.h>

#include <sstream>

#include "input/DelimitedReaders.h"
#include "input/ReadingTestSupport.h"

namespace velkora::testing {
namespace {

std::string WithRawText(const PointRecord& point) {
  return DescribePoint(point) + "|" + point.rawText;
}

TEST(TakeCommaDelimitedFields, CutsSixFieldsAndKeepsTheRest) {
  struct Row {
    std::string line;
    std::string point;  // DescribePoint, then "|" and rawText
  };
  const Row rows[] = {
      {"101,1285643.215,412387.932,245.118,IRON PIN FOUND,IPF",
       "101|1285643.2150|412387.9320|245.1180|IPF|IRON PIN FOUND|"},
      {" 7 , 100 , 200 , 3 ,  DESC  ,  F  ", "7|100.0000|200.0000|3.0000|F|DESC|"},
      {"1,2,3,4,D,F,G,H,I", "1|2.0000|3.0000|4.0000|F|D|G,H,I"},
      {"1,2,3,4,D,F, G , H ", "1|2.0000|3.0000|4.0000|F|D|G , H"},
      {"12,100.5", "12|100.5000|0.0000|0.0000|||"},
      {"12", "12|0.0000|0.0000|0.0000|||"},
      {"226,538636.87258,1455489.20122,679.93052,", "226|538636.8726|1455489.2012|679.9305|||"},
      {"5022,1,2,3,\"3\"\" MIM\"", "5022|1.0000|2.0000|3.0000||\"3\"\" MIM\"|"},
      {"P1,12.5ft,-40E1,abc,D", "P1|12.5000|-400.0000|0.0000||D|"},
  };
  for (const Row& row : rows) {
    PointRecord point;
    TakeCommaDelimitedFields(row.line, point);
    EXPECT_EQ(WithRawText(point), row.point) << row.line;
  }
}

TEST(TakeGeopakDelimitedFields, SearchesTheTailFromTheRight) {
  struct Row {
    char delimiter;
    std::string line;
    std::string point;  // DescribePoint only; rawText is always the whole line
  };
  const Row rows[] = {
      {';', "1,100,200", "1|100.0000|200.0000|0.0000||"},
      {';', "1,100,200;IRON PIN", "1|100.0000|200.0000|0.0000||IRON PIN"},
      {';', "1,100,200,12.5,IPF;IRON PIN FOUND", "1|100.0000|200.0000|12.5000|IPF|IRON PIN FOUND"},
      {';', "1,100,200,12.5,IPF;PIN, 2 FT N, BENT",
       "1|100.0000|200.0000|12.5000|IPF|PIN, 2 FT N, BENT"},
      {';', "1,100,200,12.5,IPF", "1|100.0000|200.0000|12.5000|IPF|"},
      {';', "1,100,200;A;B", "1|100.0000|200.0000|0.0000||B"},
      {';', " 9 , 100 , 200 , 7 , TC ; TOP ", "9|100.0000|200.0000|7.0000|TC|TOP"},
      {'/', "1,100,200/WITNESS POST", "1|100.0000|200.0000|0.0000||WITNESS POST"},
      {'/', "1,100,200,5,MH/SAN MH N/S", "1|100.0000|200.0000|5.0000|MH/SAN MH N|S"},
      {'/', "1,100,200,5,TC", "1|100.0000|200.0000|5.0000|TC|"},
      // The separator before the first comma after Y: the description keeps its commas.
      {';', "1,100,200;PIN, 2 FT N", "1|100.0000|200.0000|0.0000||PIN, 2 FT N"},
      {'/', "1,100,200/A, B/C", "1|100.0000|200.0000|0.0000||C"},
      // Fewer than two commas: no Y, so never a valid point.
      {';', "1,100;DESC", "1|100.0000|0.0000|0.0000||"},
      {';', "1;DESC", "1;DESC|0.0000|0.0000|0.0000||"},
  };
  for (const Row& row : rows) {
    PointRecord point;
    TakeGeopakDelimitedFields(row.line, row.delimiter, point);
    EXPECT_EQ(DescribePoint(point), row.point) << row.line;
    EXPECT_EQ(point.rawText, row.line);
  }
}

// Reads the whole file with an output of the given code; the output's bytes.
std::string CopiedComments(const std::string& path, FileFormat outputCode,
                           std::vector<std::string>& points) {
  std::ostringstream output;
  SessionState session;
  ScriptedPrompter prompter;
  session.outFile = &output;
  session.outFormatCode = outputCode;
  points = ReadAllPoints(session, prompter, path);
  return output.str();
}

TEST(DelimitedComments, TravelOnlyFromCommaDelimitedToCommaDelimited) {
  ScratchFolder folder;
  const std::string comma =
      folder.Write("comma.txt", "$ JOB 24-117\n1,100,200\r\n$ LEG 2 \r\n\r\n2,300,400\r$");
  const std::string geopak = folder.Write("geopak.txt", "$ JOB 24-117\r\n1,100,200;D\r\n");
  struct Row {
    std::string path;
    FileFormat output;
    std::string written;
    std::size_t points;
  };
  const Row rows[] = {
      {comma, 0, "$ JOB 24-117\r\n$ LEG 2 \r\n$\r\n", 2},
      {comma, 1, "", 2},
      {comma, 6, "", 2},
      {comma, 100, "", 2},
      {geopak, 1, "", 1},
      {geopak, 0, "", 1},
  };
  for (const Row& row : rows) {
    std::vector<std::string> points;
    EXPECT_EQ(CopiedComments(row.path, row.output, points), row.written)
        << row.path << " to " << int{row.output};
    EXPECT_EQ(points.size(), row.points);
  }
}

TEST(CommaDelimitedReader, ReturnsTheLastLineWithoutABreak) {
  ScratchFolder folder;
  SessionState session;
  ScriptedPrompter prompter;
  const std::string path = folder.Write("last.txt", "1,100,200,5,D,F,R\r\nX,0,0\r\n2,300,400");
  EXPECT_EQ(
      ReadAllPoints(session, prompter, path),
      (std::vector<std::string>{"1|100.0000|200.0000|5.0000|F|D", "2|300.0000|400.0000|0.0000||"}));
}

}  // namespace
}  // namespace velkora::testing
