// The header defaults file's place on disk: beside a portable copy, in the user's XDG
// configuration folder for an installed or read-only copy.
#include "session/SettingsLocation.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "session/Startup.h"
#include "support/ScriptedPrompter.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;

TEST(PathInFolderTest, OneSeparatorBetween) {
  const struct {
    std::string folder;
    std::string expected;
  } cases[] = {
      {"/opt/velkora", "/opt/velkora/Velkora.hlp"},
      {"/opt/velkora/", "/opt/velkora/Velkora.hlp"},
      {"/", "/Velkora.hlp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PathInFolder(c.folder, "Velkora.hlp"), c.expected) << c.folder;
  }
}

class SettingsLocationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(::testing::TempDir()) /
            ("velkora-settings-" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "portable");
    fs::create_directories(root_ / "usr" / "bin");
    fs::create_directories(root_ / "usr" / "share" / "velkora" / "examples");
  }
  void TearDown() override {
    fs::permissions(root_ / "portable", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(root_);
  }

  std::string In(const fs::path& relative) const { return (root_ / relative).string(); }

  fs::path root_;
};

TEST_F(SettingsLocationTest, HeaderDefaultsPathByCopyAndEnvironment) {
  const struct {
    const char* what;
    std::string programFolder;
    UserFolders user;
    std::string expected;
  } cases[] = {
      {"portable copy", In("portable"), {In("xdg"), In("home")}, In("portable/Velkora.ini")},
      {"portable, trailing slash",
       In("portable") + "/",
       {In("xdg"), In("home")},
       In("portable/Velkora.ini")},
      {"installed copy", In("usr/bin"), {In("xdg"), In("home")}, In("xdg/velkora/Velkora.ini")},
      {"installed, no XDG_CONFIG_HOME",
       In("usr/bin"),
       {"", In("home")},
       In("home/.config/velkora/Velkora.ini")},
      {"installed, relative XDG_CONFIG_HOME",
       In("usr/bin"),
       {"xdg", In("home")},
       In("home/.config/velkora/Velkora.ini")},
      {"installed, neither set", In("usr/bin"), {"", ""}, In("usr/bin/Velkora.ini")},
      {"missing program folder",
       In("gone"),
       {In("xdg"), In("home")},
       In("xdg/velkora/Velkora.ini")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HeaderDefaultsPath(c.programFolder, c.user), c.expected) << c.what;
  }
  // The writability probe leaves nothing behind.
  EXPECT_TRUE(fs::is_empty(root_ / "portable"));
}

TEST_F(SettingsLocationTest, ReadOnlyProgramFolderUsesTheConfigurationFolder) {
  fs::permissions(root_ / "portable", fs::perms::owner_read | fs::perms::owner_exec);
  if (std::ofstream(root_ / "portable" / "probe")) {
    GTEST_SKIP() << "this user writes into read-only folders (root)";
  }
  EXPECT_FALSE(IsPortableCopy(In("portable")));
  EXPECT_EQ(HeaderDefaultsPath(In("portable"), {In("xdg"), In("home")}),
            In("xdg/velkora/Velkora.ini"));
}

TEST_F(SettingsLocationTest, CreateSettingsFolder) {
  std::ofstream(root_ / "plain") << "x";
  const struct {
    const char* what;
    std::string iniPath;
    bool created;
  } cases[] = {
      {"missing folders", In("xdg/velkora/Velkora.ini"), true},
      {"existing folder", In("portable/Velkora.ini"), true},
      {"no folder at all", "Velkora.ini", true},
      {"a file in the way", In("plain/velkora/Velkora.ini"), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CreateSettingsFolder(c.iniPath), c.created) << c.what;
  }
  EXPECT_TRUE(fs::is_directory(root_ / "xdg" / "velkora"));
}

TEST_F(SettingsLocationTest, InstalledCopyStartsWithTheUsersDefaults) {
  fs::create_directories(root_ / "xdg" / "velkora");
  std::ofstream(root_ / "xdg" / "velkora" / "Velkora.ini", std::ios::binary)
      << "[HEADER]\r\nTHNumber=77\r\nCoordSys=UTM Zone 15E\r\n";
  // A file beside the installed program is not the one read.
  std::ofstream(root_ / "usr" / "bin" / "Velkora.ini", std::ios::binary) << "THNumber=1\r\n";
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string previous = saved == nullptr ? "" : saved;
  ::setenv("XDG_CONFIG_HOME", In("xdg").c_str(), 1);

  SessionState session;
  MainForm form;
  testing::ScriptedPrompter prompter;
  StartUp(session, form, prompter, In("usr/bin"), {});

  saved == nullptr ? ::unsetenv("XDG_CONFIG_HOME")
                   : ::setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
  EXPECT_EQ(session.iniPath, In("xdg/velkora/Velkora.ini"));
  EXPECT_EQ(session.helpPath, In("usr/bin/Velkora.hlp"));
  EXPECT_EQ(session.hdr.THNumber, "77");
  EXPECT_EQ(session.hdr.CoordSys, "UTM Zone 15E");
}

}  // namespace
}  // namespace velkora
