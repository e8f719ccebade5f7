// The header defaults file: the key rules of reading, the exact bytes written, and a write
// that fails leaving the old file alone.
#include "ui/HeaderDefaults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace velkora {
namespace {

namespace fs = std::filesystem;

HeaderInfo Header(std::string th, std::string sp, std::string hor, std::string ver,
                  std::string coordSys, std::string comments) {
  return HeaderInfo{th, sp, hor, ver, coordSys, comments};
}

class HeaderDefaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("velkora-ini-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    iniPath_ = (folder_ / "Velkora.ini").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  void WriteFile(const std::string& bytes) const {
    std::ofstream(iniPath_, std::ios::binary) << bytes;
  }
  std::string Contents() const {
    std::ifstream file(iniPath_, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
  HeaderInfo Load() const {
    SessionState session;
    session.iniPath = iniPath_;
    LoadHeaderDefaults(session);
    return session.hdr;
  }

  fs::path folder_;
  std::string iniPath_;
};

TEST_F(HeaderDefaultsTest, ReadingKeyLines) {
  const struct {
    const char* name;
    std::string file;
    HeaderInfo hdr;
  } cases[] = {
      {"as written, CR LF",
       "[HEADER]\r\nTHNumber=12\r\nSPNumber=1234-56\r\nHorDatum=NAD83(96)\r\nVerDatum=NAVD88\r\n"
       "CoordSys=UTM Zone 15E\r\nComments=Grading\r\n",
       Header("12", "1234-56", "NAD83(96)", "NAVD88", "UTM Zone 15E", "Grading")},
      {"any order, no section, LF", "Comments=B\nTHNumber=A\n", Header("A", "", "", "", "", "B")},
      {"CR only, no final break", "THNumber=A\rSPNumber=B", Header("A", "B", "", "", "", "")},
      {"last of a repeated key wins", "THNumber=1\r\nTHNumber=2\r\n",
       Header("2", "", "", "", "", "")},
      {"letter case and leading blanks do not match",
       "thnumber=x\r\n THNumber=y\r\nTHNUMBER=z\r\nVerDatum =v\r\n",
       Header("", "", "", "", "", "")},
      {"blanks only empty the field", "THNumber=5\r\nTHNumber=   \r\n",
       Header("", "", "", "", "", "")},
      {"value trimmed, key alone", "HorDatum=  NAD27  \r\nCoordSys=x\r\nCoordSys=\r\n",
       Header("", "", "NAD27", "", "", "")},
      {"empty file", "", Header("", "", "", "", "", "")},
  };
  for (const auto& c : cases) {
    WriteFile(c.file);
    EXPECT_EQ(Load(), c.hdr) << c.name;
  }
}

TEST_F(HeaderDefaultsTest, MissingFileSetsNothing) {
  SessionState session;
  session.iniPath = (folder_ / "absent.ini").string();
  session.hdr.THNumber = "kept";
  LoadHeaderDefaults(session);
  EXPECT_EQ(session.hdr, Header("kept", "", "", "", "", ""));
}

TEST_F(HeaderDefaultsTest, WritesTrimmedValuesInKeyOrder) {
  std::string error;
  ASSERT_TRUE(WriteHeaderDefaults(
      iniPath_, Header(" 12 ", "1234-56", "NAD83(96)", "", "UTM Zone 15E  ", "  Grading"), error))
      << error;
  EXPECT_EQ(Contents(),
            "[HEADER]\r\nTHNumber=12\r\nSPNumber=1234-56\r\nHorDatum=NAD83(96)\r\nVerDatum=\r\n"
            "CoordSys=UTM Zone 15E\r\nComments=Grading\r\n");
  EXPECT_EQ(Load(), Header("12", "1234-56", "NAD83(96)", "", "UTM Zone 15E", "Grading"));
  EXPECT_FALSE(fs::exists(iniPath_ + ".tmp"));
}

TEST_F(HeaderDefaultsTest, DescriptionOverTwoLinesComesBackAsItsFirstLine) {
  WriteFile("old contents that are replaced");
  std::string error;
  ASSERT_TRUE(
      WriteHeaderDefaults(iniPath_, Header("", "", "", "", "", "Line one\r\nLine two"), error));
  EXPECT_EQ(Contents(),
            "[HEADER]\r\nTHNumber=\r\nSPNumber=\r\nHorDatum=\r\nVerDatum=\r\nCoordSys=\r\n"
            "Comments=Line one\r\nLine two\r\n");
  EXPECT_EQ(Load(), Header("", "", "", "", "", "Line one"));
}

TEST_F(HeaderDefaultsTest, FailedWriteLeavesNoTraceAndReportsWhy) {
  fs::create_directories(folder_ / "taken");
  const struct {
    const char* name;
    std::string path;
    std::string error;
  } cases[] = {
      {"missing folder", (folder_ / "missing" / "Velkora.ini").string(),
       "The header defaults file cannot be written."},
      {"a folder in the way", (folder_ / "taken").string(),
       "The header defaults file cannot be written."},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(WriteHeaderDefaults(c.path, Header("12", "", "", "", "", ""), error)) << c.name;
    EXPECT_EQ(error, c.error) << c.name;
  }
  EXPECT_FALSE(fs::exists(folder_ / "missing"));
  EXPECT_TRUE(fs::is_directory(folder_ / "taken"));
  EXPECT_TRUE(fs::is_empty(folder_ / "taken"));
}

}  // namespace
}  // namespace velkora
