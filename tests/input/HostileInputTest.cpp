// Hostile input files through the reading loop: CR-only line breaks in every layout, enormous
// lines and records, files of NUL bytes, and files that cannot be read where a file was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "input/FormatDetection.h"
#include "input/ReadingTestSupport.h"

namespace velkora::testing {
namespace {

// One 80-column line: number, description, X, Y, elevation and feature in their columns.
std::string EightyColumnLine(const char* number, const char* description, const char* x,
                             const char* y, const char* elev, const char* feature) {
  char line[96];
  std::snprintf(line, sizeof line, "%-4s%-30s%11s%11s %8s %-3s       XXXX", number, description, x,
                y, elev, feature);
  return line;
}

std::string JoinedFields(const char* prefix, int first, int last) {
  std::string text;
  for (int n = first; n <= last; ++n) {
    if (n > first) {
      text += ',';
    }
    text += prefix;
    text += std::to_string(n);
  }
  return text;
}

std::string SdmsRecordWithNotes(int notes) {
  std::string record = "AC:SS\rPN:1\rXC:100\rYC:200\r";
  for (int n = 1; n <= notes; ++n) {
    record += "NT:" + std::to_string(n) + "\r";
  }
  return record;
}

struct ReadCase {
  const char* name;
  std::string bytes;
  FileFormat format;
  std::vector<std::string> points;  // DescribePoint of each point read
  std::size_t lastRawTextSize;      // size of the last point's rawText
};

void ExpectPointsRead(const ReadCase& c) {
  SCOPED_TRACE(c.name);
  ScratchFolder folder;
  SessionState session;
  ScriptedPrompter prompter;
  EXPECT_EQ(ReadAllPoints(session, prompter, folder.Write("hostile.txt", c.bytes)), c.points);
  EXPECT_EQ(session.inFormat, c.format);
  EXPECT_TRUE(prompter.messages.empty());
  if (!c.points.empty()) {
    EXPECT_EQ(session.point.rawText.size(), c.lastRawTextSize);
  }
}

class HostileReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(HostileReading, GivesThePointsTheFileHolds) {
  ExpectPointsRead(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    CrOnlyBreaks, HostileReading,
    ::testing::Values(
        ReadCase{"Comma",
                 "$ job\r1,100,200,5,D,F\r2,300,400\r",
                 0,
                 {"1|100.0000|200.0000|5.0000|F|D", "2|300.0000|400.0000|0.0000||"},
                 0},
        ReadCase{"GeopakDelimited",
                 "1,100,200,5,F;D\r2,300,400;E\r",
                 1,
                 {"1|100.0000|200.0000|5.0000|F|D", "2|300.0000|400.0000|0.0000||E"},
                 11},
        ReadCase{"Sdms",
                 "AC:SS\rPN:1\rXC:100\rYC:200\rAC:SS\rPN:2\rXC:300\rYC:400\rZC:9\r",
                 5,
                 {"1|100.0000|200.0000|0.0000||", "2|300.0000|400.0000|9.0000||"},
                 30},
        ReadCase{"EightyColumn",
                 "$ c\r" + EightyColumnLine("0001", "WALL", "1000.125", "2000.5", "10", "TW") +
                     "\r" + EightyColumnLine("0002", "", "3000", "4000", "", "") + "\r",
                 6,
                 {"1|1000.1250|2000.5000|10.0000|TW|WALL", "2|3000.0000|4000.0000|0.0000||"},
                 80},
        ReadCase{"Listing",
                 "Copyright\r Point Station\r-- -- -- -- --\r1  20 10 x 5\r"
                 "           Feature: F\r           Description: D\r2  40 30 x 6\r"
                 "           Feature: G\r",
                 4,
                 {"1|10.0000|20.0000|5.0000|F|D", "2|30.0000|40.0000|6.0000|G|"},
                 0},
        ReadCase{"MixedAndDoubled",
                 "1,100,200\r\n2,300,400\n3,500,600\r\r\n\n4,700,800",
                 0,
                 {"1|100.0000|200.0000|0.0000||", "2|300.0000|400.0000|0.0000||",
                  "3|500.0000|600.0000|0.0000||", "4|700.0000|800.0000|0.0000||"},
                 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Built inside the test, so that the other tests of the program never hold these files.
TEST(HostileReading, EnormousLinesAndRecords) {
  const std::string fiftyMegabytes(50u << 20, 'x');
  const std::vector<ReadCase> cases = {
      ReadCase{"FiftyMegabyteLine",
               "P,100,200,0,D,F," + fiftyMegabytes + "\r\n",
               0,
               {"P|100.0000|200.0000|0.0000|F|D"},
               fiftyMegabytes.size()},
      ReadCase{"FiftyMegabytesWithoutBreak", fiftyMegabytes, 100, {}, 0},
      ReadCase{"NulBytesOnly", std::string(1u << 20, '\0'), 100, {}, 0},
      ReadCase{"CommaLineOfHundredThousandFields",
               "1,100,200,5,D,F," + JoinedFields("f", 7, 100000) + "\n",
               0,
               {"1|100.0000|200.0000|5.0000|F|D"},
               JoinedFields("f", 7, 100000).size()},
      // The elevation field then holds commas and no number, so it reads as 0.
      ReadCase{"GeopakLineOfHundredThousandFields",
               "1,100,200,5," + JoinedFields("f", 5, 100000) + ";DESC\n",
               1,
               {"1|100.0000|200.0000|0.0000|f100000|DESC"},
               ("1,100,200,5," + JoinedFields("f", 5, 100000) + ";DESC").size()},
      ReadCase{"SdmsRecordOfHundredThousandLines",
               SdmsRecordWithNotes(100000),
               5,
               {"1|100.0000|200.0000|0.0000||"},
               SdmsRecordWithNotes(100000).size()},
      ReadCase{"EightyColumnLineOfHundredThousandColumns",
               EightyColumnLine("0042", "LONG", "1000.500", "2000", "3", "EP") +
                   std::string(100000, 'Z') + "\n",
               6,
               {"42|1000.5000|2000.0000|3.0000|EP|LONG"},
               80 + 100000}};
  for (const ReadCase& c : cases) {
    ExpectPointsRead(c);
  }
}

// A name in the list that is no longer a regular file is skipped without a word: detection
// says it cannot be opened. A device would otherwise read as an empty or endless file.
TEST(HostileReading, WhatIsNoLongerARegularFileIsSkippedSilently) {
  ScratchFolder folder;
  const std::string replaced = folder.Write("topo.csv", "1,100,200\r\n");
  std::filesystem::remove(replaced);
  std::filesystem::create_directory(replaced);
  std::vector<std::string> paths = {replaced};
  if (std::filesystem::exists("/dev/null")) {
    paths.push_back("/dev/null");
  }
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    SessionState session;
    ScriptedPrompter prompter;
    EXPECT_EQ(ReadAllPoints(session, prompter, path), std::vector<std::string>{});
    EXPECT_EQ(session.inFormat, format::kCannotOpen);
    EXPECT_FALSE(session.inFile.IsOpen());
    EXPECT_TRUE(prompter.messages.empty());
  }
}

TEST(HostileReading, UnreadableFileIsSkippedSilently) {
  if (geteuid() == 0) {
    GTEST_SKIP() << "file permissions do not stop root from reading";
  }
  ScratchFolder folder;
  const std::string path = folder.Write("topo.csv", "1,100,200\r\n");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  SessionState session;
  ScriptedPrompter prompter;
  EXPECT_EQ(ReadAllPoints(session, prompter, path), std::vector<std::string>{});
  EXPECT_EQ(session.inFormat, format::kCannotOpen);
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace velkora::testing
