// The Compute run on hostile files: input that no layout expects is converted or skipped
// without harm, and an output that cannot be created or written ends the run with its message,
// the old output untouched and no temporary file left behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "conversion/ConversionRun.h"
#include "conversion/TempFolder.h"
#include "support/ScriptedPrompter.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::RecordingView;
using testing::TempFolder;
using testing::WriteWholeFile;

// A comma-delimited run of topo.csv into out.csv moved by (10, -5), in a fresh folder.
struct HostileRun {
  HostileRun() {
    input = folder.path() / "topo.csv";
    output = folder.path() / "out.csv";
    form.loadedFiles.items = {input.string()};
    form.oFileName.text = output.string();
    form.outFormat.selected = 0;
    form.txtDX.text = "10";
    form.txtDY.text = "-5";
    prompter.yesNoAnswers = {MessageAnswer::kYes};
  }
  RunResult Compute() { return RunConversion(session, form, prompter, view); }

  TempFolder folder;
  fs::path input;
  fs::path output;
  SessionState session;
  MainForm form;
  testing::ScriptedPrompter prompter;
  RecordingView view;
};

struct InputCase {
  const char* name;
  std::string input;
  std::string output;
};

// Built inside the test, so that the other tests of the program never hold these files.
TEST(HostileFiles, InputIsConvertedOrSkippedWithoutAWord) {
  const std::string fiftyMegabytes(50u << 20, 'x');
  std::string hundredThousandFields;
  for (int n = 7; n <= 100000; ++n) {
    hundredThousandFields += ",f" + std::to_string(n);
  }
  const std::vector<InputCase> cases = {
      {"empty file", "", ""},
      {"NUL bytes", std::string(65536, '\0'), ""},
      {"CR-only breaks", "$ job\r1,100,200,5,D,F\r2,300,400\r",
       "$ job\r\n1,110.0000,195.0000,5.0000,D,F\r\n2,310.0000,395.0000,0.0000\r\n"},
      {"50 MB line", "P,100,200,0,D,F," + fiftyMegabytes + "\n",
       "P,110.0000,195.0000,0.0000,D,F," + fiftyMegabytes + "\r\n"},
      {"100,000 fields", "1,100,200,5,D,F" + hundredThousandFields + "\n",
       "1,110.0000,195.0000,5.0000,D,F" + hundredThousandFields + "\r\n"},
  };
  for (const InputCase& c : cases) {
    SCOPED_TRACE(c.name);
    HostileRun run;
    WriteWholeFile(run.input, c.input);
    EXPECT_EQ(run.Compute(), RunResult::kCompleted);
    EXPECT_TRUE(ReadWholeFile(run.output) == c.output);
    EXPECT_TRUE(run.prompter.messages.empty());
    EXPECT_EQ(run.folder.FileNames(), (std::vector<std::string>{"out.csv", "topo.csv"}));
  }
}

// Between adding and running, an entry of the list became a folder: the run skips it.
TEST(HostileFiles, InputReplacedByAFolderIsSkipped) {
  HostileRun run;
  WriteWholeFile(run.input, "1,100,200\r\n");
  const fs::path replaced = run.folder.path() / "gone.csv";
  fs::create_directory(replaced);
  run.form.loadedFiles.items = {replaced.string(), run.input.string()};
  EXPECT_EQ(run.Compute(), RunResult::kCompleted);
  EXPECT_EQ(ReadWholeFile(run.output), "1,110.0000,195.0000,0.0000\r\n");
  EXPECT_EQ(run.session.reportText.find("gone.csv"), std::string::npos);
  EXPECT_TRUE(run.prompter.messages.empty());
}

// A named pipe as the output is written into, never replaced by a regular file: the same path
// as /dev/null, which a rename would destroy.
TEST(HostileFiles, OutputIntoANamedPipeKeepsThePipe) {
  HostileRun run;
  WriteWholeFile(run.input, "1,100,200\r\n");
  const fs::path pipe = run.folder.path() / "out.pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  run.form.oFileName.text = pipe.string();
  std::string received;
  std::thread reader([&pipe, &received] { received = ReadWholeFile(pipe); });
  const RunResult result = run.Compute();
  // Frees a reader still waiting for a writer, whatever the run did with the pipe.
  const int unblock = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
  if (unblock >= 0) {
    close(unblock);
  }
  reader.join();
  EXPECT_EQ(result, RunResult::kCompleted);
  EXPECT_EQ(received, "1,110.0000,195.0000,0.0000\r\n");
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_EQ(run.folder.FileNames(), (std::vector<std::string>{"out.pipe", "topo.csv"}));
}

// Writes beyond this size fail as on a full disk; the signal that would end the process
// is ignored, so the write returns its error instead.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*savedHandler_)(int) = SIG_DFL;
};

struct OutputCase {
  const char* name;
  bool needsNonRoot;
  // Prepares the folder; returns the output path to give the run.
  std::function<fs::path(const fs::path& folder)> arrange;
  const char* message;
  bool fullDisk;
};

// Every file of the folder with its bytes, folders marked, to see that nothing changed.
std::vector<std::string> FolderContents(const fs::path& folder) {
  std::vector<std::string> contents;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    contents.push_back(entry.path().string() +
                       (entry.is_directory() ? "/" : "=" + ReadWholeFile(entry.path())));
  }
  std::sort(contents.begin(), contents.end());
  return contents;
}

TEST(HostileFiles, OutputThatCannotBeWrittenLeavesEverythingAsItWas) {
  const std::vector<OutputCase> cases = {
      {"missing folder", false,
       [](const fs::path& folder) { return folder / "missing" / "out.csv"; },
       "Unable To Create Output File:", false},
      {"path under a regular file", false,
       [](const fs::path& folder) {
         WriteWholeFile(folder / "somefile", "not a folder\r\n");
         return folder / "somefile" / "out.csv";
       },
       "Unable To Create Output File:", false},
      {"output is a folder", false,
       [](const fs::path& folder) {
         fs::create_directory(folder / "out.csv");
         return folder / "out.csv";
       },
       "Unable To Create Output File:", false},
      {"read-only folder", true,
       [](const fs::path& folder) {
         fs::create_directory(folder / "locked");
         fs::permissions(folder / "locked", fs::perms::owner_read | fs::perms::owner_exec);
         return folder / "locked" / "out.csv";
       },
       "Unable To Create Output File:", false},
      {"read-only output file", true,
       [](const fs::path& folder) {
         WriteWholeFile(folder / "out.csv", "old output\r\n");
         fs::permissions(folder / "out.csv", fs::perms::owner_read);
         return folder / "out.csv";
       },
       "Unable To Create Output File:", false},
      {"full disk", false,
       [](const fs::path& folder) {
         WriteWholeFile(folder / "out.csv", "old output\r\n");
         return folder / "out.csv";
       },
       "Unable To Write Output File:", true},
  };
  std::string manyPoints;
  for (int n = 1; n <= 20000; ++n) {
    manyPoints += std::to_string(n) + ",1000,2000,5,MANHOLE RIM,MH\r\n";
  }
  for (const OutputCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsNonRoot && geteuid() == 0) {
      continue;  // file permissions do not stop root
    }
    HostileRun run;
    WriteWholeFile(run.input, manyPoints);
    const fs::path target = c.arrange(run.folder.path());
    run.form.oFileName.text = target.string();
    run.session.reportText = "earlier run\r\n";
    const std::vector<std::string> before = FolderContents(run.folder.path());
    {
      std::optional<FileSizeLimit> limit;
      if (c.fullDisk) {
        limit.emplace(256 * 1024);
      }
      EXPECT_EQ(run.Compute(), RunResult::kFailed);
    }
    ASSERT_FALSE(run.prompter.messages.empty());
    EXPECT_EQ(run.prompter.messages.back(), FileErrorMessage(c.message, target.string()));
    EXPECT_EQ(FolderContents(run.folder.path()), before);
    EXPECT_EQ(run.session.reportText, "earlier run\r\n");
    EXPECT_EQ(run.view.shown, 0);
  }
}

}  // namespace
}  // namespace velkora
