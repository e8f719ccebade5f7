// The Compute command: checks, the overwrite question, the conversion of every input file
// into one output file, the run's summary in the report and the report window.
#pragma once

#include <cstdint>
#include <string>

#include "session/MainForm.h"
#include "session/Prompter.h"
#include "session/SessionState.h"

namespace velkora {

// What the run shows while it works and when it is done: the window shows a progress
// indicator and the report window, the command line prints or stays quiet.
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
  kCancelled,  // the view stopped the run
  kCompleted,
};

// Texts of the messages a run shows.
inline constexpr const char* kOutputExistsTitle = "Output File Exists";
inline constexpr const char* kOutputIsInputText = "The Output File Is Also An Input File:";
inline constexpr const char* kCannotCreateOutputText = "Unable To Create Output File:";
inline constexpr const char* kCannotWriteOutputText = "Unable To Write Output File:";
inline constexpr const char* kCannotReadInputText = "Unable To Read Input File:";

// Every run that does not complete leaves the output file on disk and session.reportText as
// they were before it.
RunResult RunConversion(SessionState& session, MainForm& form, Prompter& prompter, RunView& view);

}  // namespace velkora
