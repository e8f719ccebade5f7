// The output file where it is not a plain file: a named pipe (standing for /dev/null and the
// like) is written into and stays a pipe; a rename over it would replace the device.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>

#include "engine/output/OutputFile.h"
#include "support/Files.h"

namespace velkora::testing {
namespace {

TEST(OutputFile, ANamedPipeIsWrittenIntoNotReplaced) {
  ScratchFolder folder;
  const std::filesystem::path pipe = folder / "out.pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&pipe, &received] { received = ReadWhole(pipe); });
  {
    OutputFile output(pipe.string());
    ASSERT_TRUE(output.Open());
    output.Stream() << "1,110.0000,195.0000\r\n";
    EXPECT_TRUE(output.Commit());
  }
  // Frees a reader still waiting for a writer, whatever the output did with the pipe.
  const int unblock = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
  if (unblock >= 0) {
    close(unblock);
  }
  reader.join();
  EXPECT_EQ(received, "1,110.0000,195.0000\r\n");
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

}  // namespace
}  // namespace velkora::testing
