// Format detection: the first significant line decides the layout.
#include <gtest/gtest.h>

#include <filesystem>

#include "input/FormatDetection.h"
#include "input/ReadingTestSupport.h"

namespace velkora::testing {
namespace {

std::string EightyColumnLine(char column16, char column19, std::size_t length = 80) {
  std::string line(length, ' ');
  line.replace(0, 4, "0101");
  line[15] = column16;
  line[18] = column19;
  line[41] = '.';
  return line;
}

TEST(ClassifyFirstLine, FollowsTheFirstRuleThatApplies) {
  struct Row {
    std::string line;
    FileFormat format;
    char delimiter;  // '?' where the separator must stay untouched
  };
  const Row rows[] = {
      {"", 100, '?'},
      {"$ comment", 100, '?'},
      {"AC: TOPO", 5, '?'},
      {"PN: 12", 5, '?'},
      {"12:00,100,200", 5, '?'},
      {"Copyright, 1,2", 4, '?'},
      {"COPYRIGHT (c) 2026", 4, '?'},
      {"   copyright", 4, '?'},
      {"CopyRight", 4, '?'},
      {"Copy right", 100, '?'},
      {"101,100.5,200.5,12.0,IPF;IRON PIN FOUND", 1, ';'},
      {";desc first, comma later", 1, ';'},
      {"1,2,3;A/B", 1, ';'},
      {"1,2,3/WITNESS POST", 1, '/'},
      {"1,100,200", 0, '?'},
      {" $1,100,200", 0, '?'},
      {EightyColumnLine(' ', ' '), 6, '?'},
      {EightyColumnLine('+', '.'), 7, '?'},
      {EightyColumnLine('+', ' '), 6, '?'},
      {EightyColumnLine(' ', '.', 120), 6, '?'},
      {EightyColumnLine(' ', ' ', 79), 100, '?'},
      {"101 100.0 200.0", 100, '?'},
  };
  for (const Row& row : rows) {
    char delimiter = '?';
    EXPECT_EQ(ClassifyFirstLine(row.line, delimiter), row.format) << row.line;
    EXPECT_EQ(delimiter, row.delimiter) << row.line;
  }
}

TEST(DetectFormat, ReadsPastCommentAndEmptyLinesOnly) {
  struct Row {
    const char* name;
    std::string bytes;
    FileFormat format;
    std::string lineBuf;
  };
  const Row rows[] = {
      {"comments-first", "$ a\r\n$ b\n$ c\r\r\n1,100,200\r\n", 0, "1,100,200"},
      {"blank-line-counts", "$ a\r\n   \r\n1,100,200;D\r\n", 100, "   "},
      {"sdms", "\nAC: TOPO\nPN: 1\n", 5, "AC: TOPO"},
      {"geopak-slash", "$x\r1,2,3/D\r", 1, "1,2,3/D"},
      {"empty", "", 100, ""},
      {"only-comments", "$ one\r\n\r\n", 100, ""},
      {"no-final-break", "1,100,200", 0, "1,100,200"},
  };
  ScratchFolder folder;
  for (const Row& row : rows) {
    SessionState session;
    session.curFileName = folder.Write(row.name, row.bytes);
    DetectFormat(session);
    EXPECT_EQ(session.inFormat, row.format) << row.name;
    EXPECT_EQ(session.lineBuf, row.lineBuf) << row.name;
    EXPECT_FALSE(session.inFile.IsOpen()) << row.name;
  }
  SessionState session;
  session.curFileName = folder.Write("slash", "1,2,3/D\n");
  DetectFormat(session);
  EXPECT_EQ(session.inDelim, '/');
  session.curFileName = folder.Write("comma", "1,2,3\n");
  DetectFormat(session);
  EXPECT_EQ(session.inDelim, '/') << "kept when the result is not 1";
}

TEST(DetectFormat, GivesTwoHundredForWhatCannotBeOpened) {
  ScratchFolder folder;
  for (const std::string& path : {folder.PathOf("missing.txt"), folder.PathOf(""), std::string(),
                                  std::string(VELKORA_TEST_DATA_DIR)}) {
    SessionState session;
    session.curFileName = path;
    DetectFormat(session);
    EXPECT_EQ(session.inFormat, 200) << path;
  }
}

}  // namespace
}  // namespace velkora::testing
