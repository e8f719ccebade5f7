// The reference file of control points: its list lines, its loading, the lookup of a point
// number and the main-window events that name the file or fill a control point from it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "session/MainForm.h"
#include "session/Prompter.h"
#include "session/SessionState.h"

namespace velkora {

// The four control points of the main window.
enum class ControlRole { kSourcePivot, kSourceReference, kDestinationPivot, kDestinationReference };

// The boxes and description of one control point, by role.
struct ControlPointBoxes {
  Control MainForm::*number;
  Control MainForm::*x;
  Control MainForm::*y;
  std::string MainForm::*description;
  const char* numberName;  // the control that takes the focus back
};
const ControlPointBoxes& BoxesOf(ControlRole role);

// Narrowest list width, in characters.
inline constexpr std::int64_t kMinReferenceWidth = 47;

inline constexpr const char* kReferenceDialogTitle = "Select A Control Points Reference File";
inline constexpr const char* kCannotReadReferenceText = "Unable To Read Reference File:";

// One list line: the number in columns 1-9 (cut to 9), X and Y right-aligned in 13 columns
// each, two blanks and the trimmed description. A coordinate longer than 13 characters widens
// its field, with one blank before it, instead of losing its leading digits.
std::string ReferenceListLine(const PointRecord& point, std::uint8_t decimals);

// The texts of a list line: the number (first 9 characters, trimmed), the X and Y texts and
// the description (trimmed, cut to 21 characters). `decimals` are those the line was written
// with; they mark where a widened coordinate ends.
struct ReferenceLineFields {
  std::string_view number;
  std::string_view xText;
  std::string_view yText;
  std::string_view description;
};
ReferenceLineFields SplitReferenceLine(std::string_view line, std::uint8_t decimals);

// Reads the file named in rFileName into session.referenceLines and referenceWidth. A file
// that cannot be opened empties rFileName and keeps the old list; so does a read error, with
// a message.
bool LoadReferenceFile(SessionState& session, MainForm& form, Prompter& prompter);

// Finds the first list line whose number equals `number` (both trimmed, exact text) and puts
// its number, X, Y and description into session.point.
bool FindReferencePoint(SessionState& session, std::string_view number);

// LostFocus of SPPN, SRPN, DPPN and DRPN: with a reference file named, fills the role's boxes
// from the list, or empties them and takes the focus back when the number is not there.
void PointNumberLostFocus(SessionState& session, MainForm& form, ControlRole role);

// LostFocus of rFileName: reloads when its text differs from curFileName.
void ReferenceFileLostFocus(SessionState& session, MainForm& form, Prompter& prompter);

// The click of btnGetRName (and mnuRefFile): the open-file dialog, then the load.
void SelectReferenceFile(SessionState& session, MainForm& form, Prompter& prompter);

// Files dropped on rFileName: the first one is loaded.
void DropReferenceFile(SessionState& session, MainForm& form, Prompter& prompter,
                       const std::vector<std::string>& paths);

}  // namespace velkora
