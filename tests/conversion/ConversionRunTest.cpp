// The Compute command on files on disk: output, report, report window, and the runs that
// must leave the old output file and the report exactly as they were.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "conversion/ConversionRun.h"
#include "conversion/TempFolder.h"
#include "support/ScriptedPrompter.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::TempFolder;
using testing::WriteWholeFile;

using testing::RecordingView;

const std::string kBanner1 = std::string(36, '*') + " RUN 1 " + std::string(37, '*');
const std::string kBanner2 = std::string(36, '*') + " RUN 2 " + std::string(37, '*');
const std::string kTitle =
    "Velkora Program          Coordinate Conversion Summary               Dec 5, 2026\r\n";

// Three points, a comment and a line without a point, moved by (10, -5).
const std::string kInput =
    "$ TOPO\r\n"
    "1,1000,2000,100,IRON PIN,IP\r\n"
    "2,1100.5,2100.25,0,,\r\n"
    "no point here\r\n"
    "3,1200,2200,-1.5,MH,SAN\r\n";
const std::string kConverted =
    "$ TOPO\r\n"
    "1,1010.0000,1995.0000,100.0000,IRON PIN,IP\r\n"
    "2,1110.5000,2095.2500\r\n"
    "3,1210.0000,2195.0000,,MH,SAN\r\n";

// The report's line of one file: the path and the count ending in column 80.
std::string FileLine(const fs::path& path, std::int64_t count) {
  const std::string countText = count == 0 ? "   Points" : "  " + std::to_string(count) + " Points";
  const std::string start = "  " + path.string();
  return start + std::string(80 - start.size() - countText.size(), ' ') + countText + "\r\n";
}

// A translation run of one comma-delimited file into out.csv, in a fresh folder.
struct RunBench {
  RunBench() {
    setenv("SOURCE_DATE_EPOCH", "1796428800", 1);
    input = folder.path() / "topo.csv";
    output = folder.path() / "out.csv";
    WriteWholeFile(input, kInput);
    session.suppressZeroElev = true;
    form.loadedFiles.items = {input.string()};
    form.oFileName.text = output.string();
    form.outFormat.selected = 0;
    form.txtDX.text = "10";
    form.txtDY.text = "-5";
  }

  RunResult Compute() { return RunConversion(session, form, prompter, view); }

  // The report of one translation run over `inputs`, each with its count.
  std::string ReportOfRun(const std::vector<std::pair<fs::path, std::int64_t>>& inputs,
                          std::int64_t total) const {
    std::string text = kTitle +
                       "\r\nTarget Coordinate Calculations\r\n------------------------------\r\n"
                       "  X Coordinate = Source X Coord.  + 10.0000\r\n"
                       "  Y Coordinate = Source Y Coord.  - 5.0000\r\n"
                       "\r\nInput File List\r\n---------------\r\n";
    for (const auto& [path, count] : inputs) {
      text += FileLine(path, count);
    }
    return text + "\r\nOutput File\r\n-----------\r\n" + FileLine(output, total);
  }

  TempFolder folder;
  fs::path input;
  fs::path output;
  SessionState session;
  MainForm form;
  testing::ScriptedPrompter prompter;
  RecordingView view;
};

class ConversionRunTest : public ::testing::Test, public RunBench {};

TEST_F(ConversionRunTest, FirstAndSecondRunWithBanners) {
  ASSERT_EQ(Compute(), RunResult::kCompleted);
  const std::string firstRun = ReportOfRun({{input, 3}}, 3);
  EXPECT_EQ(ReadWholeFile(output), kConverted);
  EXPECT_EQ(session.reportText, firstRun);
  EXPECT_EQ(view.windowText, kBanner1 + "\r\n" + firstRun);
  EXPECT_EQ(view.caption, "Velkora Report     (Contains 1 Run)");
  EXPECT_TRUE(form.mnuRptClr.enabled);
  EXPECT_TRUE(prompter.messages.empty());

  prompter.yesNoAnswers = {MessageAnswer::kYes};
  ASSERT_EQ(Compute(), RunResult::kCompleted);
  EXPECT_EQ(session.reportText, firstRun + "\f" + firstRun);
  EXPECT_EQ(view.windowText, kBanner1 + "\r\n" + firstRun + "\r\n" + kBanner2 + "\r\n" + firstRun);
  EXPECT_EQ(view.caption, "Velkora Report     (Contains 2 Runs)");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0],
            (Message{output.string() + " exists.\r\nDo you want to overwrite it?",
                     MessageIcon::kQuestion, MessageButtons::kYesNo, "Output File Exists"}));
  EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"out.csv", "topo.csv"}));
}

TEST_F(ConversionRunTest, DecliningTheOverwriteChangesNothing) {
  WriteWholeFile(output, "old output\r\n");
  session.reportText = "earlier run\r\n";
  session.runPointCount = 9;
  EXPECT_EQ(Compute(), RunResult::kDeclined);
  EXPECT_EQ(ReadWholeFile(output), "old output\r\n");
  EXPECT_EQ(session.reportText, "earlier run\r\n");
  EXPECT_EQ(session.runPointCount, 0);
  EXPECT_FALSE(form.mnuRptClr.enabled);
  EXPECT_EQ(view.shown, 0);
}

TEST_F(ConversionRunTest, UnreadableEntriesAreSkippedSilently) {
  const fs::path second = folder.path() / "second.csv";
  WriteWholeFile(second, "9,500,600,7\n");
  const fs::path unrecognised = folder.path() / "notes.txt";
  WriteWholeFile(unrecognised, "\r\n");
  form.loadedFiles.items = {input.string(), (folder.path() / "deleted.csv").string(),
                            unrecognised.string(), second.string()};
  ASSERT_EQ(Compute(), RunResult::kCompleted);
  EXPECT_EQ(ReadWholeFile(output), kConverted + "9,510.0000,595.0000,7.0000\r\n");
  EXPECT_EQ(session.reportText, ReportOfRun({{input, 3}, {second, 1}}, 4));
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ConversionRunTest, RunWithoutPointsWritesAnEmptyOutput) {
  WriteWholeFile(input, "$ nothing yet\r\n5,100\r\n");
  form.outFormat.selected = 3;
  ASSERT_EQ(Compute(), RunResult::kCompleted);
  EXPECT_EQ(ReadWholeFile(output), "");
  EXPECT_EQ(session.reportText, ReportOfRun({{input, 0}}, 0));
}

struct FailedRunCase {
  const char* name;
  void (*arrange)(RunBench&, MainForm&, fs::path&);
  RunResult result;
  // The message, built from the output path and the folder.
  Message (*message)(const fs::path& output, const fs::path& folder);
};

TEST(ConversionRun, FailedRunsLeaveOutputAndReportAsTheyWere) {
  const std::vector<FailedRunCase> cases = {
      {"check refused", [](RunBench&, MainForm& f, fs::path&) { f.outFormat.selected = -1; },
       RunResult::kRefused,
       [](const fs::path&, const fs::path&) {
         return Message{"Output file format is not specified.", MessageIcon::kExclamation,
                        MessageButtons::kOk, "Insufficient Data"};
       }},
      {"output is an input under another spelling",
       [](RunBench& t, MainForm& f, fs::path& out) {
         out = t.folder.path() / "." / "topo.csv";
         f.oFileName.text = out.string();
       },
       RunResult::kRefused,
       [](const fs::path& out, const fs::path&) {
         return FileErrorMessage("The Output File Is Also An Input File:", out.string());
       }},
      {"missing folder",
       [](RunBench& t, MainForm& f, fs::path& out) {
         out = t.folder.path() / "missing" / "out.csv";
         f.oFileName.text = out.string();
       },
       RunResult::kFailed,
       [](const fs::path& out, const fs::path&) {
         return FileErrorMessage("Unable To Create Output File:", out.string());
       }},
      {"coordinate out of range",
       [](RunBench& t, MainForm&, fs::path&) {
         WriteWholeFile(t.input, "1,1000,2000\r\n77,1e308,1.7e308\r\n");
         t.form.txtDY.text = "1e308";
       },
       RunResult::kFailed,
       [](const fs::path&, const fs::path& dir) {
         return FileErrorMessage("Point 77 Converts To Coordinates Out Of Range In:",
                                 (dir / "topo.csv").string());
       }},
  };
  for (const FailedRunCase& c : cases) {
    RunBench t;
    WriteWholeFile(t.output, "old output\r\n");
    t.session.reportText = "earlier run\r\n";
    fs::path target = t.output;
    c.arrange(t, t.form, target);
    t.prompter.yesNoAnswers = {MessageAnswer::kYes};
    const std::string inputBefore = ReadWholeFile(t.input);

    EXPECT_EQ(t.Compute(), c.result) << c.name;
    ASSERT_FALSE(t.prompter.messages.empty()) << c.name;
    EXPECT_EQ(t.prompter.messages.back(), c.message(target, t.folder.path())) << c.name;
    EXPECT_EQ(ReadWholeFile(t.output), "old output\r\n") << c.name;
    EXPECT_EQ(ReadWholeFile(t.input), inputBefore) << c.name;
    EXPECT_EQ(t.session.reportText, "earlier run\r\n") << c.name;
    EXPECT_FALSE(t.form.mnuRptClr.enabled) << c.name;
    EXPECT_EQ(t.folder.FileNames(), (std::vector<std::string>{"out.csv", "topo.csv"})) << c.name;
    EXPECT_EQ(t.view.shown, 0) << c.name;
  }
}

TEST_F(ConversionRunTest, CancelledRunLeavesNoTrace) {
  std::string many;
  for (int n = 1; n <= 20000; ++n) {
    many += std::to_string(n) + ",1000,2000,5\r\n";
  }
  WriteWholeFile(input, many);
  WriteWholeFile(output, "old output\r\n");
  prompter.yesNoAnswers = {MessageAnswer::kYes};
  view.cancel = true;
  EXPECT_EQ(Compute(), RunResult::kCancelled);
  // Reported after the 16384th line is read, before its point is written.
  EXPECT_EQ(view.progress, std::vector<std::int64_t>{16383});
  EXPECT_EQ(ReadWholeFile(output), "old output\r\n");
  EXPECT_EQ(session.reportText, "");
  EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"out.csv", "topo.csv"}));
  EXPECT_EQ(prompter.messages.size(), 1u);  // the overwrite question only

  view.cancel = false;
  prompter.yesNoAnswers = {MessageAnswer::kYes};
  EXPECT_EQ(Compute(), RunResult::kCompleted);
  EXPECT_EQ(session.runPointCount, 20000);
  EXPECT_EQ(view.progress, (std::vector<std::int64_t>{16383, 16383}));
}

TEST_F(ConversionRunTest, LinesWithoutPointsStillReportProgressAndCancel) {
  std::string comments;
  for (int n = 1; n <= 40000; ++n) {
    comments += "$ survey note " + std::to_string(n) + "\r\n";
  }
  WriteWholeFile(input, comments + "1,1000,2000,5\r\n");
  WriteWholeFile(output, "old output\r\n");
  prompter.yesNoAnswers = {MessageAnswer::kYes};
  view.cancel = true;
  EXPECT_EQ(Compute(), RunResult::kCancelled);
  EXPECT_EQ(view.progress, std::vector<std::int64_t>{0});
  EXPECT_EQ(ReadWholeFile(output), "old output\r\n");
  EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"out.csv", "topo.csv"}));
}

}  // namespace
}  // namespace velkora
