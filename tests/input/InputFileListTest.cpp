// The input-file list: adding by dialog, drop and command line, refusals with their exact
// messages, captions, and the proposed report file name.
#include <gtest/gtest.h>

#include <filesystem>

#include "input/InputFileList.h"
#include "input/ReadingTestSupport.h"

namespace velkora::testing {
namespace {

const std::string kCaptionHead = std::string(15, ' ') + "Input File List :" + std::string(26, ' ');

struct ListFixture {
  ScratchFolder folder;
  SessionState session;
  MainForm form;
  ScriptedPrompter prompter;

  std::string Good(const std::string& name) { return folder.Write(name, "1,100,200\r\n"); }
  std::string Unrecognized(const std::string& name) {
    return folder.Write(name, "no layout here\r\n");
  }
};

TEST(InputFileList, DropsAddRecognisedFilesAndRefuseOthers) {
  ListFixture f;
  const std::string first = f.Good("first.txt");
  const std::string missing = f.folder.PathOf("missing.txt");
  const std::string unknown = f.Unrecognized("unknown.txt");
  const std::string third = f.Good("third.txt");
  AddDroppedFiles(f.session, f.form, f.prompter, {first, missing, unknown, third, first});

  EXPECT_EQ(f.form.loadedFiles.items, (std::vector<std::string>{first, third}));
  EXPECT_EQ(f.form.loadedFiles.selected, 1);
  EXPECT_EQ(f.session.fileCount, 2);
  EXPECT_EQ(f.form.lblCount.text, kCaptionHead + "( 2 Files In List )");
  EXPECT_EQ(f.prompter.messages,
            (std::vector<Message>{{"Unable To Open Specified File:\r\n" + missing,
                                   MessageIcon::kCritical, MessageButtons::kOk, "Velkora Error"},
                                  {"Unrecognized File Format in\r\n" + unknown,
                                   MessageIcon::kCritical, MessageButtons::kOk, "Velkora Error"}}));
}

TEST(InputFileList, CaptionsFollowTheCount) {
  struct Row {
    std::int64_t count;
    std::string lblCount;
  };
  const Row rows[] = {{1, kCaptionHead + "( 1 File In List )"},
                      {2, kCaptionHead + "( 2 Files In List )"},
                      {10, kCaptionHead + "( 10 Files In List )"}};
  ListFixture f;
  std::int64_t added = 0;
  for (const Row& row : rows) {
    while (added < row.count) {
      f.session.curFileName = f.Good("file" + std::to_string(++added) + ".txt");
      AddInputFile(f.session, f.form, f.prompter);
    }
    EXPECT_EQ(f.form.lblCount.text, row.lblCount);
    EXPECT_EQ(f.session.msgText, row.lblCount.substr(kCaptionHead.size()));
    EXPECT_EQ(f.form.btnAdd.text, "Add");
    EXPECT_EQ(f.form.mnuFileAdd.text, "Add An Input File");
    EXPECT_TRUE(f.form.btnListClr.visible);
    EXPECT_TRUE(f.form.mnuListClr.enabled);
  }
}

TEST(InputFileList, PathsDifferingOnlyInCaseAreBothKept) {
  ListFixture f;
  const std::string lower = f.Good("points.txt");
  const std::string upper = f.Good("POINTS.txt");
  AddDroppedFiles(f.session, f.form, f.prompter, {lower, upper, lower});
  EXPECT_EQ(f.form.loadedFiles.items, (std::vector<std::string>{lower, upper}));
  EXPECT_TRUE(f.prompter.messages.empty());
}

TEST(InputFileList, CommandLineAddsEvenUnreadableFilesSilently) {
  ListFixture f;
  f.session.loadingFromCommandLine = true;
  const std::string missing = f.folder.PathOf("missing.txt");
  const std::string unknown = f.Unrecognized("unknown.txt");
  AddDroppedFiles(f.session, f.form, f.prompter, {missing, unknown});
  EXPECT_EQ(f.form.loadedFiles.items, (std::vector<std::string>{missing, unknown}));
  EXPECT_TRUE(f.prompter.messages.empty());
}

TEST(InputFileList, BackspaceAndDeleteEmptyTheWholeList) {
  for (int key : {8, 46}) {
    ListFixture f;
    AddDroppedFiles(f.session, f.form, f.prompter, {f.Good("a.txt"), f.Good("b.txt")});
    LoadedFilesKeyDown(f.session, f.form, 13);
    EXPECT_EQ(f.session.fileCount, 2) << "other keys do nothing";
    LoadedFilesKeyDown(f.session, f.form, key);
    EXPECT_TRUE(f.form.loadedFiles.items.empty());
    EXPECT_EQ(f.form.loadedFiles.selected, -1);
    EXPECT_EQ(f.session.fileCount, 0);
    EXPECT_EQ(f.session.reportFileName, "");
    EXPECT_EQ(f.form.lblCount.text, "Input File List :");
    EXPECT_EQ(f.form.btnAdd.text, "Load");
    EXPECT_EQ(f.form.mnuFileAdd.text, "Load An Input File");
    EXPECT_FALSE(f.form.btnListClr.visible);
    EXPECT_FALSE(f.form.mnuListClr.enabled);
  }
}

TEST(InputFileList, DialogPresetsTheSelectedEntryAndSkipsItsOwnAnswer) {
  ListFixture f;
  const std::string first = f.Good("first.txt");
  const std::string second = f.Good("second.txt");
  f.prompter.fileAnswers = {first, std::nullopt, first, second};
  for (int i = 0; i < 4; ++i) {
    AddFileByDialog(f.session, f.form, f.prompter);
  }
  ASSERT_EQ(f.prompter.dialogs.size(), 4u);
  const std::pair<std::string, std::string> expected[] = {{"Select An Input File", ""},
                                                          {"Add Another Input File", first},
                                                          {"Add Another Input File", first},
                                                          {"Add Another Input File", first}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(f.prompter.dialogs[i].kind, "open");
    EXPECT_EQ(f.prompter.dialogs[i].title, expected[i].first) << i;
    EXPECT_EQ(f.prompter.dialogs[i].presetName, expected[i].second) << i;
  }
  EXPECT_EQ(f.form.loadedFiles.items, (std::vector<std::string>{first, second}));
  EXPECT_TRUE(f.prompter.messages.empty());
}

TEST(InputFileList, ReportFileNameComesFromTheFirstFileOfAnEmptyList) {
  ListFixture f;
  std::filesystem::create_directories(f.folder.PathOf("other"));
  const std::string first = f.Good("first.txt");
  const std::string later = f.Good("other/later.txt");
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  const std::string folder = std::filesystem::path(first).parent_path().string();

  AddDroppedFiles(f.session, f.form, f.prompter, {first, later});
  EXPECT_EQ(f.session.reportFileName, ProposedReportFileName(first, TodayAsMmddyy()));
  EXPECT_EQ(f.session.reportFileName, folder + separator + "Velkora" + TodayAsMmddyy() + ".txt");

  ResetFileList(f.session, f.form);
  AddDroppedFiles(f.session, f.form, f.prompter, {later});
  EXPECT_EQ(f.session.reportFileName, ProposedReportFileName(later, TodayAsMmddyy()));
}

TEST(ProposedReportFileName, JoinsFolderSeparatorNameAndDate) {
  const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
  struct Row {
    std::string input;
    std::string expected;
  };
  const Row rows[] = {
      {sep + "jobs" + sep + "24-117" + sep + "topo.csv",
       sep + "jobs" + sep + "24-117" + sep + "Velkora120526.txt"},
      {sep + "topo.csv", sep + "Velkora120526.txt"},
      {"topo.csv", "Velkora120526.txt"},
      {"survey" + sep + "topo.csv", "survey" + sep + "Velkora120526.txt"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ProposedReportFileName(row.input, "120526"), row.expected) << row.input;
  }
  const std::string today = TodayAsMmddyy();
  ASSERT_EQ(today.size(), 6u);
  EXPECT_EQ(today.find_first_not_of("0123456789"), std::string::npos);
}

}  // namespace
}  // namespace velkora::testing
