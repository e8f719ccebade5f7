// Start-up: splitting the command line, the program paths, the header defaults and the files
// named on the command line.
#include "session/Startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/ScriptedPrompter.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;

TEST(StartupTest, SplitCommandLine) {
  const struct {
    std::string text;
    std::vector<std::string> names;
  } cases[] = {
      {"", {}},
      {"    ", {}},
      {"a.csv", {"a.csv"}},
      {R"(a.csv "My Jobs/b c.txt" d.txt)", {"a.csv", "My Jobs/b c.txt", "d.txt"}},
      {"  a   b  ", {"a", "b"}},
      {R"("open quote takes the rest)", {"open quote takes the rest"}},
      {R"(a "b c)", {"a", "b c"}},
      {R"("a"b c)", {"a", "b", "c"}},
      {R"("" a)", {"", "a"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitCommandLine(c.text), c.names) << c.text;
  }
}

class StartupFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / "velkora-startup";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    std::ofstream(folder_ / "Velkora.ini", std::ios::binary)
        << "[HEADER]\r\nTHNumber=12\r\nVerDatum=NAVD88\r\n";
    std::ofstream(folder_ / "first.csv", std::ios::binary) << "1,100.0,200.0,0.0,PT,PIN\r\n";
    std::ofstream(folder_ / "with space.csv", std::ios::binary) << "2,300.0,400.0,0.0,PT,PIN\r\n";
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  fs::path folder_;
};

TEST_F(StartupFilesTest, NamedFilesAreListedSilentlyAndTheFirstSelected) {
  const std::string first = PathOf("first.csv");
  const std::string quoted = PathOf("with space.csv");
  const std::string missing = PathOf("missing.csv");
  SessionState session;
  MainForm form;
  ScriptedPrompter prompter;

  StartUp(session, form, prompter, folder_.string(),
          SplitCommandLine(first + "  \"" + quoted + "\" " + missing + " " + first));

  EXPECT_EQ(form.loadedFiles.items, (std::vector<std::string>{first, quoted, missing}));
  EXPECT_EQ(session.fileCount, 3);
  EXPECT_EQ(form.loadedFiles.selected, 0);
  EXPECT_EQ(form.loadedFiles.text, first);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_FALSE(session.loadingFromCommandLine);
  EXPECT_EQ(session.hdr.THNumber, "12");
  EXPECT_EQ(session.hdr.VerDatum, "NAVD88");
  EXPECT_EQ(session.inDelim, ';');
  EXPECT_EQ(session.controlDecimals, 4);
  EXPECT_EQ(session.outputDecimals, 4);
}

TEST_F(StartupFilesTest, PathsBesideAPortableCopy) {
  SessionState session;
  MainForm form;
  ScriptedPrompter prompter;
  StartUp(session, form, prompter, folder_.string(), {});
  EXPECT_EQ(session.iniPath, PathOf("Velkora.ini"));
  EXPECT_EQ(session.helpPath, PathOf("Velkora.hlp"));
}

TEST_F(StartupFilesTest, NoArgumentsLeaveTheListEmpty) {
  SessionState session;
  MainForm form;
  ScriptedPrompter prompter;
  StartUp(session, form, prompter, folder_.string(), {});

  EXPECT_TRUE(form.loadedFiles.items.empty());
  EXPECT_EQ(form.loadedFiles.selected, -1);
  EXPECT_EQ(form.btnAdd.text, "Load");
  EXPECT_FALSE(form.btnListClr.visible);
  EXPECT_FALSE(form.mnuRptClr.enabled);
  EXPECT_EQ(form.chkSuppress.checked, 1);
  EXPECT_TRUE(session.suppressZeroElev);
  EXPECT_EQ(session.hdr.THNumber, "12");
}

}  // namespace
}  // namespace velkora
