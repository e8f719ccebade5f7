// Saving the report: appending, cancelling, and files that cannot be written.
#include "report/ReportSaving.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/ScriptedPrompter.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;

const std::string kReport = "Run 1\r\n\fRun 2\r\n";

class ReportSavingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("velkora-report-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  static std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

  fs::path folder_;
};

TEST_F(ReportSavingTest, NewFileThenAppendedCopy) {
  const std::string path = PathOf("Velkora120526.txt");
  SessionState session;
  session.reportText = kReport;
  session.reportFileName = PathOf("proposed.txt");
  ScriptedPrompter prompter;
  prompter.fileAnswers = {path, path};

  EXPECT_TRUE(SaveReport(session, prompter));
  EXPECT_EQ(Contents(path), "\r\n" + kReport + "\r\n");
  EXPECT_EQ(session.reportFileName, path);

  EXPECT_TRUE(SaveReport(session, prompter));
  EXPECT_EQ(Contents(path), "\r\n" + kReport + "\r\n" + "\r\n\r\n" + kReport + "\r\n");

  ASSERT_EQ(prompter.dialogs.size(), 2u);
  EXPECT_EQ(prompter.dialogs[0].kind, "save");
  EXPECT_EQ(prompter.dialogs[0].title, "Select Report File");
  EXPECT_EQ(prompter.dialogs[0].presetName, PathOf("proposed.txt"));
  EXPECT_EQ(prompter.dialogs[1].presetName, path);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ReportSavingTest, CancelTouchesNothing) {
  SessionState session;
  session.reportText = kReport;
  session.reportFileName = PathOf("proposed.txt");
  ScriptedPrompter prompter;

  EXPECT_FALSE(SaveReport(session, prompter));
  EXPECT_EQ(session.reportFileName, PathOf("proposed.txt"));
  EXPECT_FALSE(fs::exists(PathOf("proposed.txt")));
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ReportSavingTest, UnwritableFileIsReportedAndChangesNothing) {
  fs::create_directories(PathOf("folder"));
  const struct {
    const char* name;
    std::string path;
    std::string message;
  } cases[] = {
      {"missing folder", PathOf("missing/report.txt"),
       "The report file cannot be opened for writing."},
      {"a folder", PathOf("folder"), "The report file is not a plain file."},
  };
  for (const auto& c : cases) {
    SessionState session;
    session.reportText = kReport;
    session.reportFileName = "old.txt";
    ScriptedPrompter prompter;
    prompter.fileAnswers = {c.path};

    EXPECT_FALSE(SaveReport(session, prompter)) << c.name;
    EXPECT_EQ(session.reportFileName, "old.txt") << c.name;
    ASSERT_EQ(prompter.messages.size(), 1u) << c.name;
    EXPECT_EQ(prompter.messages[0], FileErrorMessage(c.message, c.path)) << c.name;
    EXPECT_EQ(prompter.messages[0].title, "Velkora Error");
  }
  EXPECT_FALSE(fs::exists(PathOf("missing")));
  EXPECT_TRUE(fs::is_empty(PathOf("folder")));
}

TEST_F(ReportSavingTest, AppendWithoutDialogKeepsFormFeedsAndOldContent) {
  const std::string path = PathOf("old.txt");
  std::ofstream(path, std::ios::binary) << "old line\r\n";
  std::string error;
  ASSERT_TRUE(AppendReportToFile(kReport, path, error)) << error;
  EXPECT_EQ(Contents(path), "old line\r\n\r\n\r\nRun 1\r\n\fRun 2\r\n\r\n");
  EXPECT_EQ(error, "");
}

}  // namespace
}  // namespace velkora
