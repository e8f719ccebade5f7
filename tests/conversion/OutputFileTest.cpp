// Targets the output file must not replace, and links it writes through. Replacement on
// success and clean-up on failure are tested with the whole run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "conversion/OutputFile.h"
#include "conversion/TempFolder.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::TempFolder;
using testing::WriteWholeFile;

TEST(OutputFile, TargetsThatCannotBeWritten) {
  TempFolder folder;
  fs::create_directory(folder.path() / "a folder");
  WriteWholeFile(folder.path() / "plain.txt", "plain\r\n");
  for (const char* name : {"missing folder/out.txt", "plain.txt/out.txt", "a folder"}) {
    OutputFile output((folder.path() / name).string());
    EXPECT_FALSE(output.Open()) << name;
  }
  EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"a folder", "plain.txt"}));
}

TEST(OutputFile, ReadOnlyTargetIsNotReplaced) {
  TempFolder folder;
  const fs::path target = folder.path() / "locked.txt";
  WriteWholeFile(target, "locked\r\n");
  fs::permissions(target, fs::perms::owner_read);
  if (std::ofstream(target, std::ios::app).is_open()) {
    GTEST_SKIP() << "file permissions are not enforced for this user";
  }
  OutputFile output(target.string());
  EXPECT_FALSE(output.Open());
  EXPECT_EQ(ReadWholeFile(target), "locked\r\n");
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"locked.txt"});
}

TEST(OutputFile, LinkedTargetIsWrittenThrough) {
  TempFolder folder;
  const fs::path real = folder.path() / "real.txt";
  const fs::path link = folder.path() / "link.txt";
  WriteWholeFile(real, "old\r\n");
  fs::create_symlink(real, link);

  OutputFile output(link.string());
  ASSERT_TRUE(output.Open());
  output.Stream() << "new\r\n";
  ASSERT_TRUE(output.Commit());

  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadWholeFile(real), "new\r\n");
}

}  // namespace
}  // namespace velkora
