// The fixed columns of the 80-column layout and its comment lines.
#include <gtest/gtest.h>

#include <sstream>

#include "input/EightyColumnReader.h"
#include "input/ReadingTestSupport.h"

namespace velkora::testing {
namespace {

// An 80-column line from its fields, each put at its columns.
std::string Line(std::string_view number, std::string_view description, std::string_view x,
                 std::string_view y, std::string_view elevation, std::string_view feature,
                 std::size_t featureColumn = 67) {
  std::string line(80, ' ');
  line.replace(0, number.size(), number);
  line.replace(4, description.size(), description);
  line.replace(34 + 11 - x.size(), x.size(), x);
  line.replace(45 + 11 - y.size(), y.size(), y);
  line.replace(57 + 8 - elevation.size(), elevation.size(), elevation);
  line.replace(featureColumn - 1, feature.size(), feature);
  return line;
}

TEST(TakeEightyColumnFields, CutsEachFieldFromItsColumns) {
  struct Row {
    std::string line;
    FileFormat format;
    std::string point;
  };
  const Row rows[] = {
      {Line("0012", "  IRON PIN FOUND", "1285643.215", "412387.932", "245.118", "IPF"), 6,
       "12|1285643.2150|412387.9320|245.1180|IPF|IRON PIN FOUND"},
      {Line("0007", "PK", "100.000", "200.000", "1.5", "PK"), 6,
       "7|100.0000|200.0000|1.5000|PK|PK"},
      {Line("0000", "NO NUMBER", "100.000", "200.000", "1.5", "X"), 6,
       "|100.0000|200.0000|1.5000|X|NO NUMBER"},
      {Line(" 0 0", "", "100.000", "200.000", "", ""), 6, "|100.0000|200.0000|0.0000||"},
      {Line("0 12", "", "100.000", "200.000", "", ""), 6, " 12|100.0000|200.0000|0.0000||"},
      {Line("A100", "TC", "1,285,643.2", "412,387.9", "12", "TC"), 6,
       "A100|1285643.2000|412387.9000|12.0000|TC|TC"},
      {Line("0009", "D", "12,AB", "200.000", "", ""), 6, "9|0.0000|200.0000|0.0000||D"},
      {Line("0301", "CL STA   12+50.00", "1285643.215", "412387.93 ", "245.12", "CL", 56), 7,
       "301|1285643.2150|412387.9300|245.1200|CL|CL STA   12+50.00"},
      {"0005SHORT LINE", 6, "5|0.0000|0.0000|0.0000||SHORT LINE"},
  };
  for (const Row& row : rows) {
    PointRecord point;
    TakeEightyColumnFields(row.line, row.format, point);
    EXPECT_EQ(DescribePoint(point), row.point) << row.line;
    EXPECT_EQ(point.rawText, row.line);
  }
}

TEST(EightyColumnComments, TravelOnlyToAnEightyColumnOutput) {
  ScratchFolder folder;
  const std::string point = Line("0001", "IPF", "100.000", "200.000", "1.0", "IPF");
  const std::string path = folder.Write(
      "eighty.txt", "$ JOB 24-117\r\n" + point + "\r\n$ END  \n\n" + point + "\n$LAST");
  struct Row {
    FileFormat output;
    std::string written;
  };
  for (const Row& row :
       {Row{6, "$ JOB 24-117\r\n$ END  \r\n$LAST\r\n"}, Row{0, ""}, Row{5, ""}, Row{100, ""}}) {
    std::ostringstream output;
    SessionState session;
    ScriptedPrompter prompter;
    session.outFile = &output;
    session.outFormatCode = row.output;
    EXPECT_EQ(ReadAllPoints(session, prompter, path).size(), 2u);
    EXPECT_EQ(output.str(), row.written) << int{row.output};
  }
}

}  // namespace
}  // namespace velkora::testing
