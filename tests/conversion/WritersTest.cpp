// The seven output layouts, line by line, for points from every kind of input.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "conversion/DelimitedWriters.h"
#include "conversion/EightyColumnWriter.h"
#include "conversion/GeopakInputWriters.h"
#include "conversion/SdmsWriter.h"
#include "session/SessionState.h"

namespace velkora {
namespace {

using Writer = void (*)(SessionState&);

struct WriterCase {
  const char* name;
  Writer writer;
  FileFormat inFormat;
  bool suppressZeroElev;
  PointRecord point;
  std::string expected;
};

PointRecord Point(std::string num, double newX, double newY, double elev, std::string feature = "",
                  std::string description = "", std::string rawText = "") {
  PointRecord point;
  point.pointNum = std::move(num);
  point.x = 1;
  point.y = 1;
  point.newX = newX;
  point.newY = newY;
  point.elev = elev;
  point.feature = std::move(feature);
  point.description = std::move(description);
  point.rawText = std::move(rawText);
  return point;
}

std::string Write(const WriterCase& c, char outDelim = ';') {
  SessionState session;
  std::ostringstream out;
  session.outFile = &out;
  session.inFormat = c.inFormat;
  session.outDelim = outDelim;
  session.suppressZeroElev = c.suppressZeroElev;
  session.point = c.point;
  c.writer(session);
  return out.str();
}

void ExpectWritten(const std::vector<WriterCase>& cases, char outDelim = ';') {
  for (const WriterCase& c : cases) {
    EXPECT_EQ(Write(c, outDelim), c.expected) << c.name;
  }
}

TEST(CommaDelimitedWriter, FieldsAndTrailingCommas) {
  const Writer w = WriteCommaDelimited;
  ExpectWritten({
      {"elevation only", w, 4, true, Point("7", 1010, 1995, 250.5),
       "7,1010.0000,1995.0000,250.5000\r\n"},
      {"suppressed zero, feature", w, 4, true, Point("7", 1010, 1995, 0, "MH"),
       "7,1010.0000,1995.0000,,,MH\r\n"},
      {"suppressed negative", w, 4, true, Point("7", 1010, 1995, -2, "", "PIN"),
       "7,1010.0000,1995.0000,,PIN\r\n"},
      {"zero written when not suppressed", w, 4, false, Point("7", 1010, 1995, 0),
       "7,1010.0000,1995.0000,0.0000\r\n"},
      {"negative written when not suppressed", w, 4, false, Point("7", 1010, 1995, -3.25),
       "7,1010.0000,1995.0000,-3.2500\r\n"},
      {"extra fields from a comma-delimited input", w, format::kCommaDelimited, true,
       Point("7", 1010, 1995, 5, "", "", "a,,b"), "7,1010.0000,1995.0000,5.0000,,,a,,b\r\n"},
      {"raw text of another input is not appended", w, format::kGeopakDelimited, true,
       Point("7", 1010, 1995, 5, "", "", "7,1000,2000"), "7,1010.0000,1995.0000,5.0000\r\n"},
      {"description ending in commas", w, format::kCommaDelimited, true,
       Point("7", 1010, 1995, 5, "", "MH,,"), "7,1010.0000,1995.0000,5.0000,MH\r\n"},
      {"rounding and negative coordinates", w, 4, true, Point("A1", -0.00001, 1.99999, 0.00015),
       "A1,0.0000,2.0000,0.0002\r\n"},
  });
}

TEST(GeopakDelimitedWriter, FourTailShapesWithSemicolon) {
  const Writer w = WriteGeopakDelimited;
  ExpectWritten({
      {"feature and description", w, 0, true, Point("7", 1, 2, 3, "FC", "IRON, PIN"),
       "7,1.0000,2.0000,3.0000,FC;IRON, PIN\r\n"},
      {"feature only", w, 0, true, Point("7", 1, 2, 3, "FC"), "7,1.0000,2.0000,3.0000,FC\r\n"},
      {"description only", w, 0, true, Point("7", 1, 2, 3, "", "MH"),
       "7,1.0000,2.0000,3.0000;MH\r\n"},
      {"neither", w, 0, true, Point("7", 1, 2, 3), "7,1.0000,2.0000,3.0000,;\r\n"},
      {"neither, elevation suppressed", w, 0, true, Point("7", 1, 2, 0), "7,1.0000,2.0000,,;\r\n"},
  });
}

TEST(GeopakDelimitedWriter, SlashStandsOnlyBeforeTheDescription) {
  const Writer w = WriteGeopakDelimited;
  ExpectWritten(
      {
          {"description only", w, 0, true, Point("7", 1, 2, 3, "", "MH"),
           "7,1.0000,2.0000,3.0000/MH\r\n"},
          {"feature and description", w, 0, false, Point("7", 1, 2, 0, "FC", "MH"),
           "7,1.0000,2.0000,0.0000,FC/MH\r\n"},
          {"neither", w, 0, true, Point("7", 1, 2, 3), "7,1.0000,2.0000,3.0000,/\r\n"},
      },
      '/');
}

TEST(GeopakInputWriters, StorePointCommands) {
  const Writer ne = WriteGeopakInputNE;
  const Writer xy = WriteGeopakInputXY;
  ExpectWritten({
      {"N/E form", ne, 0, true, Point("101", 2000, 5000, 250),
       "STO POI 101  N 5000.0000  E 2000.0000  EL 250.0000\r\n"},
      {"X/Y form", xy, 0, true, Point("101", 2000, 5000, 250),
       "STO POI 101  X 2000.0000  Y 5000.0000  EL 250.0000\r\n"},
      {"zero elevation suppressed", ne, 0, true, Point("101", 2000, 5000, 0),
       "STO POI 101  N 5000.0000  E 2000.0000\r\n"},
      {"zero elevation written", ne, 0, false, Point("101", 2000, 5000, 0),
       "STO POI 101  N 5000.0000  E 2000.0000  EL 0.0000\r\n"},
      {"feature and quoted description", xy, 0, true, Point("B2", 1.5, 2.25, -1, "TREE", "6\" OAK"),
       "STO POI B2  X 1.5000  Y 2.2500  FEA TREE  DES \"6\" OAK\"\r\n"},
  });
}

TEST(SdmsWriter, RecordBuiltFromOtherInputs) {
  const Writer w = WriteSdms;
  ExpectWritten({
      {"zero elevation suppressed", w, format::kCommaDelimited, true,
       Point("7", 100.5, 200.25, 0, "", "MH"),
       "AC:SS\r\nPN:7\r\nXC:100.5000\r\nYC:200.2500\r\nPD:MH\r\n"},
      {"zero elevation written", w, format::kCommaDelimited, false,
       Point("7", 100.5, 200.25, 0, "", "MH"),
       "AC:SS\r\nPN:7\r\nXC:100.5000\r\nYC:200.2500\r\nZC:0.0000\r\nPD:MH\r\n"},
      {"feature before description", w, format::kEightyColumn, true,
       Point("7", 1, 2, 3, "FC", "MH"),
       "AC:SS\r\nPN:7\r\nXC:1.0000\r\nYC:2.0000\r\nZC:3.0000\r\nFE:FC\r\nPD:MH\r\n"},
  });
}

TEST(SdmsWriter, RecordPassedThroughFromSdmsInput) {
  const Writer w = WriteSdms;
  const std::string longItem = "PD:" + std::string(300, 'd');
  ExpectWritten({
      {"doubled-letter coordinates become C lines", w, format::kSdms, true,
       Point("12", 10.5, 20.5, 0, "", "", "AC:SS`PN:12`XX:1.0`YY:2.0`ZZ:3.5`"),
       "AC:SS\r\nPN:12\r\nXC:10.5000\r\nYC:20.5000\r\nZZ:3.5\r\n"},
      {"both spellings give two XC lines", w, format::kSdms, true,
       Point("12", 10.5, 20.5, 0, "", "", "AC:SS`XC:1`XX:1`YC:2`ZC:0`"),
       "AC:SS\r\nXC:10.5000\r\nXC:10.5000\r\nYC:20.5000\r\nZC:0\r\n"},
      {"tag without a colon and unknown tags stay", w, format::kSdms, true,
       Point("12", 10.5, 20.5, 0, "", "", "AC: SS `XC 1.0`YC:2`QQ:note`"),
       "AC: SS \r\nXC 1.0\r\nYC:20.5000\r\nQQ:note\r\n"},
      {"items of any length", w, format::kSdms, true,
       Point("12", 10.5, 20.5, 0, "", "", "AC:SS`YC:2`" + longItem + "`"),
       "AC:SS\r\nYC:20.5000\r\n" + longItem + "\r\n"},
  });
}

// Columns: name 1-4, description 5-34, X 35-45, Y 46-57, elevation 58-66, feature 67-69.
TEST(EightyColumnWriter, LinesBuiltFromOtherInputs) {
  const Writer w = WriteEightyColumn;
  const std::string blank30(30, ' ');
  ExpectWritten({
      {"every field", w, format::kCommaDelimited, true,
       Point("7", 1234.5, 5678.25, 100, "TR", "MH"),
       "0007MH                            "
       "   1234.500  5678.250   100.000 TR        XXXX\r\n"},
      {"short name zero-filled, empty fields", w, format::kSdms, false,
       Point("AB", 1234.5, 5678.25, 100),
       "00AB" + blank30 + "   1234.500  5678.250   100.000           XXXX\r\n"},
      {"long fields keep their ends", w, format::kGeopakDelimited, false,
       Point("12345", 12345678.9, 999999.99, 12345.5, "ABCD", std::string(40, 'D')),
       "2345" + std::string(30, 'D') + "2345678.900999999.990  2345.500 ABC       XXXX\r\n"},
      {"seven-digit northing, elevation suppressed", w, format::kCommaDelimited, true,
       Point("7", 1.5, 1000000, 0, "F", "abc"),
       "0007abc                           " + std::string(6, ' ') +
           "1.5001000000.000          F         XXXX\r\n"},
      {"northing just above the limit shortens the line", w, format::kCommaDelimited, true,
       Point("7", 1.5, 999999.996, 0, "F", "abc"),
       "0007abc                           " + std::string(6, ' ') +
           "1.500999999.996          F         XXXX\r\n"},
  });
}

TEST(EightyColumnWriter, InputLinesKeepAllButXAndY) {
  const Writer w = WriteEightyColumn;
  // Column 56 holds Z, the elevation 50.000 ends in column 65, the feature is in 67-69.
  const std::string line6 =
      "0012IRON PIN                         1000.000  2000.000Z   50.000 MON       XXXX";
  // Code 7: "+" in column 16, "." in column 19, the feature code from column 56.
  const std::string line7 =
      "0012     STA 12+34.56 LT             1000.000  2000.000FEAT 50.000          XXXX";
  ExpectWritten({
      {"code 6, six-digit northing keeps column 56", w, format::kEightyColumn, true,
       Point("12", 4321.5, 523456.789, 50, "", "", line6),
       "0012IRON PIN                         4321.500523456.789Z   50.000 MON       XXXX\r\n"},
      {"code 6, seven-digit northing overwrites column 56", w, format::kEightyColumn, true,
       Point("12", 4321.5, 1234567.891, 50, "", "", line6),
       "0012IRON PIN                         4321.5001234567.891   50.000 MON       XXXX\r\n"},
      {"code 6, small northing right-aligned", w, format::kEightyColumn, true,
       Point("12", 4321.5, 12.5, 0, "", "", line6),
       "0012IRON PIN                         4321.500    12.500Z   50.000 MON       XXXX\r\n"},
      {"code 6, the last digit of the old northing does not stay", w, format::kEightyColumn, true,
       Point("12", 4321.5, 523456.789, 50, "", "",
             "0101IRON PIN FOUND                1285643.215 412387.932  245.118 IPF"),
       "0101IRON PIN FOUND                   4321.500523456.789   245.118 IPF\r\n"},
      {"code 7 keeps its feature code from column 56", w, format::kEightyColumnPlus, true,
       Point("12", 4321.5, 1234567.891, 50, "", "", line7),
       "0012     STA 12+34.56 LT             4321.500234567.891FEAT 50.000          XXXX\r\n"},
      {"short input line keeps its length", w, format::kEightyColumn, true,
       Point("12", 4321.5, 523456.789, 50, "", "", line6.substr(0, 50)),
       "0012IRON PIN                         4321.50052345\r\n"},
  });
}

}  // namespace
}  // namespace velkora
