// Runs the cases of tests/cases/app/*.case: the main window's model driven as the user drives
// the window (typing, leaving boxes, pressing buttons, dropping files, answering dialogs),
// then what the model, the messages, the report and the files on disk hold. The case runs in
// a folder of its own, with the program in ../bin; relative names are inside it.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/ColumnOrderChoice.h"
#include "app/ControlPointPick.h"
#include "app/ConversionRun.h"
#include "app/FactorCommands.h"
#include "app/FitCommands.h"
#include "app/FitPairRows.h"
#include "app/InputFileList.h"
#include "app/MainFormCommands.h"
#include "app/OutputSelection.h"
#include "app/ProjectionScaleCommands.h"
#include "app/ReferenceFile.h"
#include "app/ReportCommands.h"
#include "app/ReverseFactors.h"
#include "app/RunPreview.h"
#include "app/Startup.h"
#include "engine/text/NumberText.h"
#include "support/CaseFiles.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"

namespace velkora::testing {
namespace {

namespace fs = std::filesystem;

// The report window as Compute drives it: progress reports, some of which cancel, and the
// report shown when a run completes.
class RecordingView : public RunView {
 public:
  bool ReportProgress(std::int64_t points) override {
    progress += " " + std::to_string(points);
    return ++reports != cancelAt;
  }
  void ShowReport(const std::string& windowText, const std::string& windowCaption) override {
    shown = windowCaption + "\n" + windowText;
  }

  int cancelAt = 0;
  int reports = 0;
  std::string progress;
  std::string shown;
};

const char* const kIcons[] = {"none", "critical", "exclamation", "question", "information"};
const char* const kResults[] = {"refused", "declined", "failed", "cancelled", "completed"};

std::string MessageText(const Message& m) {
  return m.title + " | " + kIcons[static_cast<int>(m.icon)] + " " +
         (m.buttons == MessageButtons::kOk ? "ok" : "yesno") + " | " + m.text;
}

// "$TODAY" stands for today's date as the proposed report file name holds it.
std::string Dated(const std::string& text) {
  const std::size_t at = text.find("$TODAY");
  return at == std::string::npos ? text
                                 : text.substr(0, at) + TodayAsMmddyy() + text.substr(at + 6);
}

// The main window's model and everything a case does to it.
class FormCase {
 public:
  explicit FormCase(const fs::path& folder) : bin_(folder / "bin") { fs::create_directory(bin_); }

  void Start(const std::vector<std::string>& files) {
    session_ = Session();
    form_ = MainForm();
    StartUp(session_, form_, bin_.string(), files);
  }

  // One directive that acts on the model; false when the word is not an action.
  bool Act(const Directive& d) {
    const std::string& word = d.tokens[0];
    const std::vector<std::string> rest(d.tokens.begin() + 1, d.tokens.end());
    if (word == "start") {
      Start(rest);
    } else if (word == "type") {
      Box(d.Arg(1)).text = d.Arg(2);
      RotationTextChanged(form_);
      ScaleTextChanged(form_);
    } else if (word == "tick" || word == "untick") {
      Box(d.Arg(1)).checked = word == "tick" ? 1 : 0;
    } else if (word == "select") {
      const std::int64_t entry = std::stoll(d.Arg(1));
      form_.outFormat.selected = entry;
      form_.outFormat.text = entry < 0 ? "" : kOutputFormatNames[static_cast<std::size_t>(entry)];
    } else if (word == "menu") {
      SelectOutputFormat(form_, std::stoul(d.Arg(1)));
    } else if (word == "order") {
      if (d.Arg(1) == "inOrder") {
        SelectInputOrder(session_, form_, prompter_, std::stoul(d.Arg(2)));
      } else {
        SelectOutputOrder(form_, std::stoul(d.Arg(2)));
      }
    } else if (word == "exit") {
      exits_ = MayExit(session_, prompter_) ? "yes" : "no";
    } else if (word == "answer") {
      prompter_.yesNoAnswers.push_back(d.Arg(1) == "yes" ? MessageAnswer::kYes
                                                         : MessageAnswer::kNo);
    } else if (word == "choose-file") {
      prompter_.fileAnswers.push_back(d.Arg(1) == "cancel" ? std::nullopt
                                                           : std::optional(d.Arg(1)));
    } else if (word == "disk-full-after") {
      fileSizeLimit_ = std::stoul(d.Arg(1));
    } else if (word == "cancel-at") {
      view_ = RecordingView();
      view_.cancelAt = std::stoi(d.Arg(1));
    } else if (word == "leave") {
      Leave(d.Arg(1));
    } else if (word == "press") {
      Press(d.Arg(1), d.Arg(2));
    } else if (word == "drop") {
      const std::vector<std::string> files(rest.begin() + 1, rest.end());
      Drop(d.Arg(1), files);
    } else if (word == "key") {
      LoadedFilesKeyDown(session_, form_,
                         d.Arg(2) == "backspace" ? ListKey::kBackspace
                         : d.Arg(2) == "delete"  ? ListKey::kDelete
                                                 : ListKey::kOther);
    } else if (word == "fit") {
      Fit(d.Content());
    } else if (word == "projection") {
      UseScaleFromProjection(d);
    } else {
      return false;
    }
    return true;
  }

  // One directive that checks the model; false when the word is not a check.
  bool Check(const Directive& d) {
    const std::string& word = d.tokens[0];
    if (word == "expect") {
      EXPECT_EQ(Text(d.Arg(1)), d.Arg(2)) << d.Arg(1);
    } else if (word == "items") {
      EXPECT_EQ(Box(d.Arg(1)).items,
                std::vector<std::string>(d.tokens.begin() + 2, d.tokens.end()));
    } else if (word == "state") {
      EXPECT_EQ(State(d.Arg(1)), d.Arg(2)) << d.Arg(1);
    } else if (word == "focus") {
      EXPECT_EQ(form_.focus, d.Arg(1));
    } else if (word == "message") {
      EXPECT_EQ(NextMessage(), d.Arg(1) + " | " + d.Arg(2) + " " + d.Arg(3) + " | " + d.Arg(4));
    } else if (word == "dialog") {
      EXPECT_EQ(NextDialog(), d.Arg(1) + " | " + d.Arg(2) + " | " + d.Arg(3));
    } else if (word == "result") {
      EXPECT_EQ(result_, d.Arg(1));
    } else if (word == "exits") {
      EXPECT_EQ(exits_, d.Arg(1));
    } else if (word == "report") {
      EXPECT_EQ(session_.reportText, ExpectedBytes(d));
    } else if (word == "shown") {
      EXPECT_EQ(view_.shown, ExpectedBytes(d));
      view_.shown.clear();
    } else if (word == "progress") {
      std::string expected;
      for (std::size_t i = 1; i < d.tokens.size(); ++i) {
        expected += " " + d.tokens[i];
      }
      EXPECT_EQ(view_.progress, expected);
    } else if (word == "report-count") {
      EXPECT_EQ(Count(session_.reportText, d.Arg(1)), std::stoul(d.Arg(2))) << d.Arg(1);
    } else if (word == "reference") {
      std::string list = "width " + std::to_string(session_.reference.width) + "\n";
      for (const std::string& line : session_.reference.lines) {
        list += line + "\n";
      }
      EXPECT_EQ(list, d.Content());
    } else if (word == "report-file") {
      EXPECT_EQ(session_.reportFileName, Dated(d.Arg(1)));
    } else if (word == "preview") {
      EXPECT_EQ(Preview(d), d.Content());
    } else {
      return false;
    }
    return true;
  }

  // What the case did not look at must not have happened.
  void ExpectNothingLeft() {
    EXPECT_EQ(NextMessage(), "") << "a message no case line expects";
    EXPECT_EQ(NextDialog(), "") << "a dialog no case line expects";
  }

 private:
  Control& Box(const std::string& name) {
    for (const NamedControl& named : MainFormControls()) {
      if (named.name == name) {
        return form_.*named.member;
      }
    }
    ADD_FAILURE() << "no control " << name;
    return unknown_;
  }

  std::string Text(const std::string& name) {
    static const std::map<std::string, std::string MainForm::*> kDescriptions = {
        {"SPPD", &MainForm::SPPD},
        {"SRPD", &MainForm::SRPD},
        {"DPPD", &MainForm::DPPD},
        {"DRPD", &MainForm::DRPD}};
    const auto description = kDescriptions.find(name);
    return description != kDescriptions.end() ? form_.*description->second : Box(name).text;
  }

  // "checked enabled visible selected=N" and their opposites.
  std::string State(const std::string& name) {
    const Control& c = Box(name);
    return std::string(c.checked ? "checked" : "unchecked") +
           (c.enabled ? " enabled" : " disabled") + (c.visible ? " visible" : " hidden") +
           " selected=" + std::to_string(c.selected);
  }

  static std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
      ++count;
    }
    return count;
  }

  std::string NextMessage() {
    if (messagesSeen_ >= prompter_.messages.size()) {
      return "";
    }
    return MessageText(prompter_.messages[messagesSeen_++]);
  }

  std::string NextDialog() {
    if (dialogsSeen_ >= prompter_.dialogs.size()) {
      return "";
    }
    const ScriptedPrompter::Dialog& d = prompter_.dialogs[dialogsSeen_++];
    return d.kind + " | " + d.title + " | " + d.presetName;
  }

  void Leave(const std::string& box) {
    static const std::map<std::string, ControlRole> kNumberBoxes = {
        {"SPPN", ControlRole::kSourcePivot},
        {"SRPN", ControlRole::kSourceReference},
        {"DPPN", ControlRole::kDestinationPivot},
        {"DRPN", ControlRole::kDestinationReference}};
    if (box == "rFileName") {
      ReferenceFileLostFocus(session_, form_, prompter_);
    } else {
      PointNumberLostFocus(session_, form_, kNumberBoxes.at(box));
    }
  }

  // press BUTTON [LINE]: a pick button takes line LINE of the reference list, or nothing.
  void Press(const std::string& button, const std::string& line) {
    static const std::map<std::string, ControlRole> kPickButtons = {
        {"btnSPP", ControlRole::kSourcePivot},
        {"btnSRP", ControlRole::kSourceReference},
        {"btnDPP", ControlRole::kDestinationPivot},
        {"btnDRP", ControlRole::kDestinationReference}};
    if (kPickButtons.contains(button)) {
      if (MayPickControlPoint(form_)) {
        ApplyPickedPoint(form_, kPickButtons.at(button),
                         line.empty() ? std::nullopt
                                      : std::optional(PointFromBrowserLine(
                                            session_.reference.lines.at(std::stoul(line)))));
      }
      return;
    }
    const std::map<std::string, std::function<void()>> kButtons = {
        {"btnAdd", [&] { AddFileByDialog(session_, form_, prompter_); }},
        {"btnGetRName", [&] { SelectReferenceFile(session_, form_, prompter_); }},
        {"btnGetOName", [&] { SelectOutputFileByDialog(form_, prompter_); }},
        {"compDeltas", [&] { ComputeFactors(form_, prompter_); }},
        {"btnClr", [&] { ClearAll(session_, form_); }},
        {"btnListClr", [&] { ResetFileList(session_, form_); }},
        {"mnuRptClr", [&] { ClearReport(session_, form_); }},
        {"mnuReverse", [&] { ReverseFactors(session_, form_, prompter_); }},
        {"btnSave", [&] { SaveReport(session_, prompter_); }},
        {"btnCompute", [&] { Compute(); }},
    };
    kButtons.at(button)();
  }

  // Compute, with writes beyond the file size limit failing as on a full disk when the case
  // set one: the signal that would end the process is ignored, so the write fails instead.
  void Compute() {
    view_.progress.clear();
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (fileSizeLimit_ > 0) {
      rlimit limited = saved;
      limited.rlim_cur = fileSizeLimit_;
      setrlimit(RLIMIT_FSIZE, &limited);
    }
    result_ = kResults[static_cast<int>(RunConversion(session_, form_, prompter_, view_))];
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    fileSizeLimit_ = 0;
  }

  void Drop(const std::string& target, const std::vector<std::string>& files) {
    if (target == "rFileName") {
      DropReferenceFile(session_, form_, prompter_, files);
    } else if (target == "oFileName") {
      DropOutputFile(form_, files);
    } else {
      AddDroppedFiles(session_, form_, prompter_, files);
    }
  }

  // The fit dialog: its starting rows, then the rows of the block ("|"-separated cells)
  // fitted and, when they can be, used.
  void Fit(const std::string& rows) {
    std::vector<FitPairRow> table = StartingFitRows(form_);
    std::istringstream lines(rows);
    for (std::string line; std::getline(lines, line);) {
      FitPairRow& row = table.emplace_back();
      std::istringstream cells(line);
      for (std::string& cell : row) {
        std::getline(cells, cell, '|');
      }
    }
    const PairsOutcome pairs = PairsFromRows(table);
    const FitOutcome fit = pairs.error.empty() ? FitControlPairs(pairs.pairs) : FitOutcome{};
    if (!fit.fit) {
      prompter_.ShowMessage({pairs.error.empty() ? fit.error : pairs.error,
                             MessageIcon::kExclamation, MessageButtons::kOk, "fit"});
      return;
    }
    UseFitFactors(session_, form_, pairs.pairs, *fit.fit);
    fitPairs_ = pairs.pairs;
  }

  // projection CRS ELEVATION GEOID grid-to-ground|ground-to-grid: the scale dialog at the
  // source pivot, its scale used; a scale that cannot be computed is a message titled
  // "projection".
  void UseScaleFromProjection(const Directive& d) {
    const ProjectionScaleResult result =
        ComputeScaleFromProjection({d.Arg(1), form_.SPPX.text, form_.SPPY.text, d.Arg(2), d.Arg(3),
                                    d.Arg(4) == "ground-to-grid" ? GridDirection::kGroundToGrid
                                                                 : GridDirection::kGridToGround});
    if (!result.use) {
      prompter_.ShowMessage(
          {result.error, MessageIcon::kExclamation, MessageButtons::kOk, "projection"});
      return;
    }
    UseProjectionScale(session_, form_, *result.use);
  }

  // preview [LIMIT] [cancel-at N]: the last run read again, its points (up to 20) and its
  // control points.
  std::string Preview(const Directive& d) {
    const std::size_t limit = d.Arg(1).empty() ? kPreviewPointLimit : std::stoul(d.Arg(1));
    const int cancelAt = d.Arg(2) == "cancel-at" ? std::stoi(d.Arg(3)) : 0;
    int reports = 0;
    std::string text;
    const RunPreview preview =
        BuildRunPreview(*session_.lastRun, form_, fitPairs_, limit, [&](std::int64_t points) {
          text += "progress " + std::to_string(points) + "\n";
          return ++reports != cancelAt;
        });
    text += "points " + std::to_string(preview.pointsConverted) + " kept " +
            std::to_string(preview.points.size()) + " stride " + std::to_string(preview.stride) +
            " unreadable " + std::to_string(preview.unreadableFiles) +
            (preview.cancelled ? " cancelled\n" : "\n");
    for (std::size_t i = 0; i < preview.points.size() && preview.points.size() <= 20; ++i) {
      const GroundPoint& p = preview.points[i];
      text += "point " + FormatRounded(p.x, 4) + " " + FormatRounded(p.y, 4) + "\n";
    }
    for (const PreviewControlPoint& c : preview.controlPoints) {
      text += "control " + c.label + " " + FormatRounded(c.at.x, 4) + " " +
              FormatRounded(c.at.y, 4) + (c.carried ? " carried\n" : "\n");
    }
    return text;
  }

  fs::path bin_;
  Session session_;
  MainForm form_;
  ScriptedPrompter prompter_;
  RecordingView view_;
  std::vector<ControlPair> fitPairs_;
  std::string result_;
  std::string exits_;  // what the last Exit did: "yes" when the program may end
  rlim_t fileSizeLimit_ = 0;
  std::size_t messagesSeen_ = 0;
  std::size_t dialogsSeen_ = 0;
  Control unknown_;
};

class AppCase : public ::testing::TestWithParam<Case> {};

TEST_P(AppCase, FormAndFilesEndAsExpected) {
  const Case& test = GetParam();
  SCOPED_TRACE(test.where);
  ScratchFolder scratch;
  fs::create_directory(scratch / "work");
  const InFolder inFolder(scratch / "work");
  WrittenFiles written;
  setenv("SOURCE_DATE_EPOCH", "0", 1);
  FormCase form(scratch.Path());
  form.Start({});
  for (Directive directive : test.directives) {
    for (std::string& token : directive.tokens) {
      token = Dated(token);
    }
    SCOPED_TRACE("line " + std::to_string(directive.line));
    if (SetUpFile(directive, scratch / "work", written) == SetUp::kSkip) {
      GTEST_SKIP() << "needs what this machine does not give: line " << directive.line;
    }
    if (!IsSetUp(directive) && !form.Act(directive) && !form.Check(directive) &&
        !CheckFile(directive, scratch / "work", written)) {
      ADD_FAILURE() << "unknown directive '" << directive.tokens[0] << "'";
    }
  }
  form.ExpectNothingLeft();
  ExpectNoTemporaryFiles(scratch.Path());
}

INSTANTIATE_TEST_SUITE_P(Cases, AppCase,
                         ::testing::ValuesIn(ReadCaseFolder(VELKORA_CASES_DIR "/app")),
                         CaseTestName);

}  // namespace
}  // namespace velkora::testing
