// The reference file of control points in the main window: loading it into the session's list,
// and the events that name the file or fill a control point from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/MainForm.h"
#include "app/Prompter.h"
#include "app/Session.h"

namespace velkora {

inline constexpr const char* kReferenceDialogTitle = "Select A Control Points Reference File";

// A point number looked up in the reference list as the number boxes show it: the number, X and
// Y in the general form and the description. None when the number is not in the list.
std::optional<ControlPointText> LookUpControlPoint(const ReferenceList& list,
                                                   std::string_view number);

// The reference list of the file at `path`. The prompter says why a listing or SDMS file gives
// no points, and when the reading failed part way.
ReferenceLoad ReadReferenceFile(const std::string& path, Prompter& prompter,
                                const ReadOptions& options = {});

// Reads the file named in rFileName into session.reference, delimited columns in the order
// inOrder selects. A file that cannot be opened empties rFileName and keeps the old list; so
// does a read error, with a message.
bool LoadReferenceFile(Session& session, MainForm& form, Prompter& prompter);

// Fills again from the reference list every control point whose number box holds a number the
// list has; the others stay as they are.
void RefillControlPoints(const Session& session, MainForm& form);

// LostFocus of SPPN, SRPN, DPPN and DRPN: with a reference file named, fills the role's boxes
// from the list, or empties them and takes the focus back when the number is not there.
void PointNumberLostFocus(Session& session, MainForm& form, ControlRole role);

// LostFocus of rFileName: reloads unless the box names the file the list came from and no
// other file was opened since.
void ReferenceFileLostFocus(Session& session, MainForm& form, Prompter& prompter);

// The click of btnGetRName (and mnuRefFile): the open-file dialog, then the load.
void SelectReferenceFile(Session& session, MainForm& form, Prompter& prompter);

// Files dropped on rFileName: the first one is loaded.
void DropReferenceFile(Session& session, MainForm& form, Prompter& prompter,
                       const std::vector<std::string>& paths);

}  // namespace velkora
