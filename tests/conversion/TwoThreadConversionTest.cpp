// Conversion on two threads against conversion on one: the same bytes, counts, report and
// messages for every sample layout made long enough to fill many batches, and the same
// outcome when a point cannot be written, the run is cancelled or the output fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "conversion/ConversionRun.h"
#include "conversion/PointConversion.h"
#include "conversion/TempFolder.h"
#include "input/PointReading.h"
#include "support/ScriptedPrompter.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::RecordingView;
using testing::TempFolder;
using testing::WriteWholeFile;

struct RunRecord {
  RunResult result;
  std::string output;  // empty when no output file was left
  std::string reportText;
  std::vector<std::string> messages;
  std::vector<std::int64_t> progress;
};

RunRecord ConvertWith(const fs::path& input, const fs::path& output, int layout, bool oneThread,
                      bool cancel = false, const std::string& scale = "1.0002") {
  SessionState session;
  session.convertOnOneThread = oneThread;
  session.suppressZeroElev = true;
  MainForm form;
  form.loadedFiles.items = {input.string()};
  form.oFileName.text = output.string();
  form.outFormat.selected = layout;
  form.txtDX.text = "250.5";
  form.txtDY.text = "-125.25";
  form.txtDR.text = "12 30 00";
  form.txtDS.text = scale;
  form.SPPX.text = "1000";
  form.SPPY.text = "2000";
  testing::ScriptedPrompter prompter;
  prompter.yesNoAnswers = {MessageAnswer::kYes};
  RecordingView view;
  view.cancel = cancel;
  RunRecord record{RunConversion(session, form, prompter, view), {}, session.reportText, {}, {}};
  if (fs::exists(output)) {
    record.output = ReadWholeFile(output);
    fs::remove(output);
  }
  for (const Message& message : prompter.messages) {
    record.messages.push_back(message.text);
  }
  record.progress = view.progress;
  return record;
}

// The sample file repeated until it holds at least `lines` lines.
std::string Repeated(const fs::path& sample, std::size_t lines) {
  const std::string once = ReadWholeFile(sample);
  std::size_t breaks = 0;
  for (const char c : once) {
    breaks += c == '\n' ? 1 : 0;
  }
  std::string text;
  for (std::size_t written = 0; written < lines; written += breaks + 1) {
    text += once;
    if (!text.empty() && text.back() != '\n') {
      text += "\r\n";
    }
  }
  return text;
}

void ExpectSameRun(const RunRecord& one, const RunRecord& two) {
  EXPECT_EQ(one.result, two.result);
  EXPECT_EQ(one.output, two.output);
  EXPECT_EQ(one.reportText, two.reportText);
  EXPECT_EQ(one.messages, two.messages);
}

TEST(TwoThreadConversion, EverySampleLayoutGivesTheSameBytes) {
  const std::vector<std::string> samples = {
      "comma-delimited.txt", "geopak-semicolon.txt",   "geopak-slash.txt",
      "listing.txt",         "listing-xfirst.txt",     "sdms.txt",
      "eighty-column.txt",   "eighty-column-plus.txt",
  };
  TempFolder folder;
  for (const std::string& sample : samples) {
    const fs::path input = folder.path() / sample;
    WriteWholeFile(input, Repeated(fs::path(VELKORA_TEST_DATA_DIR) / sample, 40000));
    for (int layout = 0; layout < 7; ++layout) {
      SCOPED_TRACE(sample + " into layout " + std::to_string(layout));
      const RunRecord one = ConvertWith(input, folder.path() / "out.txt", layout, true);
      const RunRecord two = ConvertWith(input, folder.path() / "out.txt", layout, false);
      ASSERT_EQ(one.result, RunResult::kCompleted);
      EXPECT_GT(std::count(one.output.begin(), one.output.end(), '\n'), 4096);  // two batches
      ExpectSameRun(one, two);
    }
  }
}

// Point counts that end a batch exactly, one short of it and one past it, with comment lines
// copied through between the points and after the last.
TEST(TwoThreadConversion, BatchEdgesKeepCommentsInPlace) {
  TempFolder folder;
  for (const int count : {0, 1, 2047, 2048, 2049, 4096, 6145}) {
    SCOPED_TRACE(count);
    std::string text = "$ job 12 control\r\n";
    for (int i = 1; i <= count; ++i) {
      text += std::to_string(i) + "," + std::to_string(1000 + i) + ".125," +
              std::to_string(2000 + i) + ".5,10,POINT " + std::to_string(i) + ",CP\r\n";
      if (i % 7 == 0) {
        text += "$ after " + std::to_string(i) + "\r\n";
      }
    }
    text += "$ end\r\n";
    const fs::path input = folder.path() / "points.txt";
    WriteWholeFile(input, text);
    const RunRecord one = ConvertWith(input, folder.path() / "out.txt", 0, true);
    const RunRecord two = ConvertWith(input, folder.path() / "out.txt", 0, false);
    ExpectSameRun(one, two);
    EXPECT_EQ(one.progress, two.progress);
  }
}

TEST(TwoThreadConversion, FailuresEndTheRunAlike) {
  struct Case {
    const char* name;
    int badPoint;  // a point whose X overflows when scaled; 0 for none
    bool cancel;
    const char* expectedMessage;  // the first message; nullptr for none
  };
  const std::vector<Case> cases = {
      {"point out of range in the third batch", 5000, false,
       "Point 5000 Converts To Coordinates Out Of Range In:"},
      {"point out of range first", 1, false, "Point 1 Converts To Coordinates Out Of Range In:"},
      {"cancelled at the first progress report", 0, true, nullptr},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text;
    for (int i = 1; i <= 40000; ++i) {
      const std::string x = i == c.badPoint ? "1.5E+308" : std::to_string(1000 + i);
      text += std::to_string(i) + "," + x + "," + std::to_string(2000 + i) + ",5,,\r\n";
    }
    const fs::path input = folder.path() / "points.txt";
    WriteWholeFile(input, text);
    const RunRecord one = ConvertWith(input, folder.path() / "out.txt", 0, true, c.cancel, "10");
    const RunRecord two = ConvertWith(input, folder.path() / "out.txt", 0, false, c.cancel, "10");
    ExpectSameRun(one, two);
    EXPECT_TRUE(two.output.empty());
    EXPECT_EQ(two.result, c.cancel ? RunResult::kCancelled : RunResult::kFailed);
    if (c.expectedMessage != nullptr) {
      ASSERT_FALSE(two.messages.empty());
      EXPECT_EQ(two.messages.front().substr(0, two.messages.front().find('\r')), c.expectedMessage);
    }
  }
}

// A stream that refuses every byte after the first `room`, as a full disk does.
class FullDiskBuffer : public std::stringbuf {
 public:
  explicit FullDiskBuffer(std::size_t room) : room_(room) {}

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    const auto taken = std::min<std::streamsize>(count, static_cast<std::streamsize>(room_));
    room_ -= static_cast<std::size_t>(taken);
    return std::stringbuf::xsputn(bytes, taken);
  }
  int_type overflow(int_type c) override { return room_ == 0 ? traits_type::eof() : c; }

 private:
  std::size_t room_;
};

TEST(TwoThreadConversion, WriteFailureIsReported) {
  TempFolder folder;
  std::string text;
  for (int i = 1; i <= 30000; ++i) {
    text += std::to_string(i) + ",1000.5,2000.25,5\r\n";
  }
  const fs::path input = folder.path() / "points.txt";
  WriteWholeFile(input, text);
  for (const bool oneThread : {true, false}) {
    SCOPED_TRACE(oneThread ? "one thread" : "two threads");
    SessionState session;
    session.convertOnOneThread = oneThread;
    session.curFileName = input.string();
    testing::ScriptedPrompter prompter;
    ASSERT_TRUE(OpenInputFile(session, prompter));
    FullDiskBuffer full(100000);
    std::ostream output(&full);
    session.outFile = &output;
    RecordingView view;
    EXPECT_EQ(ConvertPoints(session, view), ConversionOutcome::kWriteFailed);
    CloseInputFile(session);
  }
}

}  // namespace
}  // namespace velkora
