// Line reading: every kind of line break, the end of the input, bytes kept as they are.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "input/LineInput.h"
#include "input/ReadingTestSupport.h"

namespace velkora::testing {
namespace {

// Each line read, followed by "+" when the input still holds bytes after it, "." when not.
std::vector<std::string> ReadLinesAndEnds(LineInput& input) {
  std::vector<std::string> lines;
  std::string line;
  while (input.ReadLine(line)) {
    lines.push_back(line + (input.AtEnd() ? "." : "+"));
  }
  return lines;
}

TEST(LineInput, SplitsAtEveryLineBreak) {
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      {"CrLf", "a\r\nb\r\n", {"a+", "b."}},
      {"Lf", "a\nb\n", {"a+", "b."}},
      {"Cr", "a\rb\r", {"a+", "b."}},
      {"Mixed", "a\r\nb\nc\rd", {"a+", "b+", "c+", "d."}},
      {"LfCrIsTwoBreaks", "a\n\rb", {"a+", "+", "b."}},
      {"EmptyLines", "\r\n\n\r\r\n", {"+", "+", "+", "."}},
      {"NoFinalBreak", "a\r\nlast", {"a+", "last."}},
      {"Empty", "", {}},
      {"OnlyABreak", "\r\n", {"."}},
      {"NulBytes", std::string("a\0b\r\n\0", 6), {std::string("a\0b+", 4), std::string("\0.", 2)}},
      {"HighBytes", "\xe9t\xe9\xff\r\n", {"\xe9t\xe9\xff."}},
      {"ByteOrderMark",
       "\xef\xbb\xbf"
       "1,2,3\r\n",
       {"\xef\xbb\xbf"
        "1,2,3."}},
  };
  ScratchFolder folder;
  for (const Row& row : rows) {
    LineInput input;
    ASSERT_TRUE(input.Open(folder.Write(row.name, row.bytes))) << row.name;
    EXPECT_EQ(ReadLinesAndEnds(input), row.lines) << row.name;
    EXPECT_FALSE(input.Failed()) << row.name;
  }
}

TEST(LineInput, KeepsLinesAcrossItsBufferWhole) {
  // Lines longer than the read buffer, and a CR LF split between two fills.
  const std::string longLine(200000, 'x');
  std::string bytes = longLine + "\r\n" + std::string(65535, 'y') + "\r\n" + longLine;
  ScratchFolder folder;
  LineInput input;
  ASSERT_TRUE(input.Open(folder.Write("long.txt", bytes)));
  EXPECT_EQ(
      ReadLinesAndEnds(input),
      (std::vector<std::string>{longLine + "+", std::string(65535, 'y') + "+", longLine + "."}));
}

TEST(LineInput, GivesBackAnUnreadLine) {
  ScratchFolder folder;
  LineInput input;
  ASSERT_TRUE(input.Open(folder.Write("unread.txt", "a\r\nb\r\n")));
  std::string line;
  ASSERT_TRUE(input.ReadLine(line));
  ASSERT_TRUE(input.ReadLine(line));
  EXPECT_TRUE(input.AtEnd());
  input.UnreadLine(line);
  EXPECT_FALSE(input.AtEnd());
  EXPECT_EQ(ReadLinesAndEnds(input), (std::vector<std::string>{"b."}));
  input.UnreadLine("c");
  input.Close();
  EXPECT_TRUE(input.AtEnd()) << "closing forgets the unread line";
}

TEST(LineInput, RefusesWhatIsNotAReadableFile) {
  ScratchFolder folder;
  for (const std::string& path : {std::string(), folder.PathOf("missing.txt"), folder.PathOf("")}) {
    LineInput input;
    EXPECT_FALSE(input.Open(path)) << path;
    EXPECT_TRUE(input.AtEnd());
    std::string line = "stale";
    EXPECT_FALSE(input.ReadLine(line));
    EXPECT_EQ(line, "");
  }
}

TEST(LineInput, RefusesDevicesAndPipes) {
  // Neither ends: a device would fill memory with one endless line, a pipe would wait forever.
  ScratchFolder folder;
  std::vector<std::string> paths;
  if (std::filesystem::exists("/dev/zero")) {
    paths.push_back("/dev/zero");
  }
  const std::string pipe = folder.PathOf("pipe");
  if (mkfifo(pipe.c_str(), 0600) == 0) {
    paths.push_back(pipe);
  }
  if (paths.empty()) {
    GTEST_SKIP() << "no device or pipe to try";
  }
  for (const std::string& path : paths) {
    LineInput input;
    ASSERT_FALSE(input.Open(path)) << path;
    EXPECT_TRUE(input.AtEnd()) << path;
  }
}

}  // namespace
}  // namespace velkora::testing
