// Targets the output file must not replace, and links it writes through. Replacement on
// success and clean-up on failure are tested with the whole run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include <sys/stat.h>

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

// A device or pipe cannot be replaced by a renamed file without destroying it (a named pipe
// stands in for /dev/null here): the output goes straight into it and the node stays.
TEST(OutputFile, SpecialFileIsWrittenIntoNotReplaced) {
  TempFolder folder;
  const fs::path pipe = folder.path() / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] {
    std::ifstream in(pipe, std::ios::binary);
    received.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  });

  OutputFile output(pipe.string());
  const bool opened = output.Open();
  if (opened) {
    output.Stream() << "1,10.0000,20.0000\r\n";
  }
  const bool committed = opened && output.Commit();
  if (!opened) {
    std::ofstream(pipe).close();  // lets the reader finish
  }
  reader.join();

  EXPECT_TRUE(committed);
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_EQ(received, "1,10.0000,20.0000\r\n");
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"pipe"});
}

}  // namespace
}  // namespace velkora
