// SDMS records: codes, the doubled-letter coordinates and the record text kept in rawText.
#include <gtest/gtest.h>

#include "input/ReadingTestSupport.h"
#include "input/SdmsReader.h"

namespace velkora::testing {
namespace {

struct Record {
  std::string point;
  std::string rawText;
};

std::vector<Record> ReadRecords(const std::string& path) {
  SessionState session;
  ScriptedPrompter prompter;
  std::vector<Record> records;
  session.curFileName = path;
  if (OpenInputFile(session, prompter)) {
    do {
      if (ReadPoint(session)) {
        records.push_back({DescribePoint(session.point), session.point.rawText});
      }
    } while (!session.inFile.AtEnd());
  }
  return records;
}

TEST(SdmsReader, AppliesEachCodeAndKeepsTheRecordText) {
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<std::string> points;  // DescribePoint, "#", rawText
  };
  const Row rows[] = {
      {"XxBeforeXc",
       "AC: T\nPN: 1\nXX: 50\nXC: 100\nYC: 200\n",
       {"1|100.0000|200.0000|0.0000||#AC: T`PN: 1`XX: 50`XC: 100`YC: 200`"}},
      {"XcBeforeXx",
       "AC: T\nPN: 1\nXC: 100\nXX: 50\nYC: 200\n",
       {"1|100.0000|200.0000|0.0000||#AC: T`PN: 1`XC: 100`XX: 50`YC: 200`"}},
      {"OnlyDoubledLetters",
       "AC: T\nPN: 1\nXX: 100\nYY: 200\nZZ: 3\nZZ: 4\n",
       {"1|100.0000|200.0000|3.0000||#AC: T`PN: 1`XX: 100`YY: 200`ZZ: 3`ZZ: 4`"}},
      {"ZcAfterZz",
       "AC: T\nPN: 1\nXC: 100\nYC: 200\nZZ: 3\nZC: 4\n",
       {"1|100.0000|200.0000|4.0000||#AC: T`PN: 1`XC: 100`YC: 200`ZZ: 3`ZC: 4`"}},
      {"IndentedAndBlankLines",
       "AC: FIRST  \r\n  PN:  7 \r\n\r\n   XC: 100\r\n\tYC: 9\r\nYC: 200\r\n   \r\n  AC: NEXT  \r\n"
       "PN: 8\r\nXC: 300\r\nYC: 400\r\nFE: TC \r\nPD:  TOP OF CURB\r\n",
       {"7|100.0000|200.0000|0.0000||#AC: FIRST  `PN:  7`XC: 100`\tYC: 9`YC: 200`",
        "8|300.0000|400.0000|0.0000|TC|TOP OF CURB#AC: NEXT`PN: 8`XC: 300`YC: 400`FE: TC`"
        "PD:  TOP OF CURB`"}},
      {"OtherCodeAndLowerCase",
       "AC: T\nPN: 1\nHT: 5.25\nxc: 9\nXC: 100\nYC: 200\nAB\n",
       {"1|100.0000|200.0000|0.0000||#AC: T`PN: 1`HT: 5.25`xc: 9`XC: 100`YC: 200`AB`"}},
      {"InvalidRecordsSkipped",
       "AC: A\nPN: 1\nXC: 100\nAC: B\nXC: 100\nYC: 200\nAC: C\nPN: 3\nXC: 300\nYC: 400",
       {"3|300.0000|400.0000|0.0000||#AC: C`PN: 3`XC: 300`YC: 400`"}},
      {"AcWithoutColonStartsARecord",
       "AC: A\nPN: 1\nXC: 1\nYC: 2\nACX\nPN: 2\nXC: 3\nYC: 4\n",
       {"1|1.0000|2.0000|0.0000||#AC: A`PN: 1`XC: 1`YC: 2`",
        "2|3.0000|4.0000|0.0000||#ACX`PN: 2`XC: 3`YC: 4`"}},
      {"GroupedAndBadCommaValues",
       "AC: T\nPN: 1\nXC: 1,285,643.2\nYC: 412,387\nZC: 1,2A\n",
       {"1|1285643.2000|412387.0000|0.0000||#AC: T`PN: 1`XC: 1,285,643.2`YC: 412,387`"
        "ZC: 1,2A`"}},
      {"TextBeforeFirstRecord",
       "JB: 24-117\n  AC: NOT FIRST\nAC: T\nPN: 1\nXC: 1\nYC: 2\n",
       {"1|1.0000|2.0000|0.0000||#AC: T`PN: 1`XC: 1`YC: 2`"}},
  };
  ScratchFolder folder;
  for (const Row& row : rows) {
    std::vector<std::string> described;
    for (const Record& record : ReadRecords(folder.Write(row.name, row.bytes))) {
      described.push_back(record.point + "#" + record.rawText);
    }
    EXPECT_EQ(described, row.points) << row.name;
  }
}

}  // namespace
}  // namespace velkora::testing
