// The Compute command: the run checks, the overwrite question, the conversion of every input
// file into one output file, and the run's summary in the report.
#pragma once

#include <cstdint>
#include <string>

#include "app/MainForm.h"
#include "app/Prompter.h"
#include "app/RunRequest.h"
#include "app/Session.h"
#include "engine/output/Conversion.h"

namespace velkora {

// What the window shows while a run works and when it is done.
class RunView {
 public:
  virtual ~RunView() = default;

  // Called every kProgressInterval lines read; false cancels the run.
  virtual bool ReportProgress(std::int64_t pointsWritten) = 0;

  // The report window's text with its run banners, and its caption.
  virtual void ShowReport(const std::string& windowText, const std::string& caption) = 0;
};

enum class RunResult {
  kRefused,    // a check failed, or the output file is also an input file
  kDeclined,   // the user kept the existing output file
  kFailed,     // a file could not be read or written, or a point could not be converted
  kCancelled,  // the progress report stopped the run
  kCompleted,
};

struct RunOutcome {
  RunResult result = RunResult::kCompleted;
  std::string focus;  // after a refusal, the control at fault
};

// Texts of the messages a run shows.
inline constexpr const char* kOutputExistsTitle = "Output File Exists";
inline constexpr const char* kOutputIsInputText = "The Output File Is Also An Input File:";
inline constexpr const char* kCannotCreateOutputText = "Unable To Create Output File:";
inline constexpr const char* kCannotWriteOutputText = "Unable To Write Output File:";
inline constexpr const char* kCannotReadInputText = "Unable To Read Input File:";
inline constexpr const char* kLayoutOnlyQuestion =
    "Convert the layout only, with every point where it is?";

// Runs the request. A completed run adds its summary to session.reportText, marks the report
// unsaved and becomes session.lastRun; every run that does not complete leaves the output file
// on disk and the report as they were. A request that moves no point is refused, unless it asks
// for the layout alone or offers it (offerLayoutOnly) and the user takes the offer.
RunOutcome RunConversion(Session& session, const RunRequest& request, Prompter& prompter,
                         const ProgressReport& progress);

// The request the main window's boxes make; it offers a layout-only conversion.
RunRequest RequestFromForm(const MainForm& form);

// Compute in the main window: a refusal moves the focus to the control at fault; a completed
// run enables "Clear Report Contents" and shows the report.
RunResult RunConversion(Session& session, MainForm& form, Prompter& prompter, RunView& view);

}  // namespace velkora
