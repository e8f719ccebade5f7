// The reading loop over the sample files of every layout, and hostile input.
#include <gtest/gtest.h>

#include "input/ReadingTestSupport.h"

namespace velkora::testing {
namespace {

struct SampleCase {
  const char* file;
  FileFormat format;
  std::vector<std::string> points;
};

class SampleFiles : public ::testing::TestWithParam<SampleCase> {};

TEST_P(SampleFiles, GiveEveryValidPointInOrder) {
  SessionState session;
  ScriptedPrompter prompter;
  EXPECT_EQ(ReadAllPoints(session, prompter, SampleFile(GetParam().file)), GetParam().points);
  EXPECT_EQ(session.inFormat, GetParam().format);
  EXPECT_TRUE(prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    AllLayouts, SampleFiles,
    ::testing::Values(
        SampleCase{"comma-delimited.txt",
                   0,
                   {"101|1285643.2150|412387.9320|245.1180|IPF|IRON PIN FOUND",
                    "102|1285710.0410|412402.5580|246.9020|IPS|IRON PIN SET",
                    "103|1285801.7700|412455.1060|247.3300|PK|PK NAIL IN PAVEMENT",
                    "104|1285899.0030|412510.8840|248.0150|TC|TOP OF CURB",
                    "106|1286012.4400|412599.7210|249.6000|EP|EDGE OF PAVEMENT"}},
        SampleCase{"geopak-semicolon.txt",
                   1,
                   {"2001|1285643.2150|412387.9320|245.1180|IPF|IRON PIN FOUND",
                    "2002|1285710.0410|412402.5580|0.0000||WITNESS POST, 2 FT N",
                    "2003|1285801.7700|412455.1060|0.0000||",
                    "2004|1285899.0030|412510.8840|248.0150|TC|TOP OF CURB, NORTH SIDE"}},
        SampleCase{
            "geopak-slash.txt",
            1,
            {"3002|1285710.0410|412402.5580|0.0000||WITNESS POST",
             "3001|1285643.2150|412387.9320|0.0000||", "3003|1285801.7700|412455.1060|247.3300|PK|",
             "3004|1285899.0030|412510.8840|248.0150|MH/SAN MH RIM N|S"}},
        SampleCase{
            "listing.txt",
            4,
            {"101|1285643.2150|412387.9320|245.1180|IPF|IRON PIN FOUND",
             "102|1285710.0410|412402.5580|246.9020||",
             "BM-7|1285801.7700|412455.1060|247.3300|BM|CHISELED SQUARE ON HEADWALL",
             "104|1285899.0030|412510.8840|248.0150||", "105|1286012.4400|412599.7210|249.6000||"}},
        SampleCase{"listing-xfirst.txt",
                   4,
                   {"201|1285643.2150|412387.9320|0.0000||IRON PIN FOUND",
                    "202|1285710.0410|412402.5580|0.0000|TC|"}},
        SampleCase{"sdms.txt",
                   5,
                   {"501|1285643.2150|412387.9320|245.1180|IPF|IRON PIN FOUND",
                    "502|1285710.0410|412402.5580|246.9020|TC|TOP OF CURB",
                    "503|1285801.7700|412455.1060|247.3300||PK NAIL",
                    "505|1285899.0030|412510.8840|248.0150||MANHOLE RIM"}},
        SampleCase{"eighty-column.txt",
                   6,
                   {"101|1285643.2150|412387.9320|245.1180|IPF|IRON PIN FOUND",
                    "102|1285710.0410|412402.5580|246.9020|IPS|IRON PIN SET W/CAP",
                    "7|1285801.7700|412455.1060|247.3300|PK|PK NAIL IN PAVEMENT",
                    "A103|1285950.2500|412510.8840|248.5000|EP|EDGE OF PAVEMENT"}},
        SampleCase{"eighty-column-plus.txt",
                   7,
                   {"301|1285643.2150|412387.9300|245.1200|CL|CL STA   12+50.00",
                    "302|1285690.1020|412405.1100|246.0300|PC|CL STA   13+00.00",
                    "303|1285737.4400|412421.8700|246.9100|CL|CL STA   13+50.00"}}));

// Files that give no points, and what the opener says about them.
struct RefusedCase {
  const char* name;
  std::string bytes;  // written to a scratch file unless `missing`
  bool missing;
  std::string message;  // empty: refused silently
};

class RefusedFiles : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedFiles, OpenNothingAndSayWhatTheOpenerSays) {
  ScratchFolder folder;
  const std::string path = GetParam().missing ? folder.PathOf(GetParam().name)
                                              : folder.Write(GetParam().name, GetParam().bytes);
  SessionState session;
  ScriptedPrompter prompter;
  session.curFileName = path;
  EXPECT_FALSE(OpenInputFile(session, prompter));
  EXPECT_FALSE(session.inFile.IsOpen());
  if (GetParam().message.empty()) {
    EXPECT_TRUE(prompter.messages.empty());
  } else {
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0],
              (Message{GetParam().message + "\r\n" + path, MessageIcon::kCritical,
                       MessageButtons::kOk, "Velkora Error"}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedFiles,
    ::testing::Values(RefusedCase{"deleted.txt", "", true, ""},
                      RefusedCase{"empty.txt", "", false, ""},
                      RefusedCase{"comments.txt", "$ a\r\n\r\n$ b\r\n", false, ""},
                      RefusedCase{"listing-no-header.txt", "Copyright 2026\r\n 12 100 200\r\n",
                                  false, "No Geopak Points Found in"},
                      RefusedCase{"listing-header-last.txt", "Copyright\r\n Point Station\r\n",
                                  false, "No Geopak Points Found in"},
                      RefusedCase{"listing-dashes-only.txt",
                                  "Copyright\r\n Point Station\r\n" + std::string(11, '-') +
                                      " --- --- --- ---\r\n\r\n",
                                  false, "No Geopak Points Found in"},
                      RefusedCase{"listing-short-dashes-last.txt",
                                  "Copyright\r\n Point Station\r\n------ --- --- --- ---\r\n",
                                  false, "No Geopak Points Found in"},
                      RefusedCase{
                          "listing-four-groups.txt",
                          "Copyright\r\n Point Station\r\n---- ---- ---- ----\r\n7 100 200 0\r\n",
                          false, "No Geopak Points Found in"},
                      RefusedCase{"sdms-no-ac.txt", "PN: 1\r\nXC: 100\r\nYC: 200\r\n", false,
                                  "No SDMS AC: Code Found in"},
                      RefusedCase{"sdms-ac-last.txt", "PN: 1\r\nXC: 100\r\nAC: TOPO\r\n", false,
                                  "No SDMS AC: Code Found in"}));

// Input no layout expects: every case ends without a crash and with the points it holds.
struct HostileCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> points;
};

class HostileInput : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileInput, IsReadToItsEndWithoutHarm) {
  ScratchFolder folder;
  SessionState session;
  ScriptedPrompter prompter;
  EXPECT_EQ(ReadAllPoints(session, prompter, folder.Write("hostile.txt", GetParam().bytes)),
            GetParam().points);
}

std::string BinaryJunk() {
  std::string bytes;
  for (int i = 0; i < 4096; ++i) {
    bytes += static_cast<char>((i * 7919) % 256);
  }
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileInput,
    ::testing::Values(
        HostileCase{"Binary", BinaryJunk(), {}},
        HostileCase{"BinaryAfterAPoint",
                    "1,100,200,5,D,F\r\n" + BinaryJunk(),
                    {"1|100.0000|200.0000|5.0000|F|D"}},
        HostileCase{"NulBytesKept",
                    std::string("P\0Q,100,200,0,A\0B\r\n", 19),
                    {std::string("P\0Q|100.0000|200.0000|0.0000||A\0B", 33)}},
        HostileCase{"VeryLongLine",
                    "7,100,200,0,D," + std::string(1 << 20, 'F') + ",EXTRA\n",
                    {"7|100.0000|200.0000|0.0000|" + std::string(1 << 20, 'F') + "|D"}},
        HostileCase{"SeparatorBeyondColumn255",
                    "8," + std::string(300, ' ') + "100,200;" + std::string(300, 'D') + "\r",
                    {"8|100.0000|200.0000|0.0000||" + std::string(300, 'D')}},
        HostileCase{"SdmsTruncatedMidRecord",
                    "AC: TOPO\nPN: 9\nXC: 100\nYC: 2",
                    {"9|100.0000|2.0000|0.0000||"}},
        HostileCase{"EightyColumnShortLines",
                    std::string(41, ' ') + "." + std::string(38, ' ') + "\n0005X\n12",
                    {}},
        HostileCase{"ListingCutAfterFirstPoint",
                    "Copyright\n Point Station\n-- -- -- -- --\n1  20 10 x 5\n  ",
                    {"1|10.0000|20.0000|5.0000||"}}));

}  // namespace
}  // namespace velkora::testing
