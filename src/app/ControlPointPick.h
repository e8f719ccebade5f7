// Picking a control point in the point browser, without the window: the caption of each role,
// the point of a chosen list line and its copy into the main window.
#pragma once

#include <optional>
#include <string>

#include "app/MainForm.h"
#include "engine/transform/ReferenceList.h"

namespace velkora {

// The browser's caption for a pick button ("Select The Source Pivot Point"...).
std::string BrowserCaption(ControlRole role);

// The point of a list line as Select takes it: the number, X and Y by the strict conversion
// (0 when unreadable) and the description cut to 21 characters.
ListedPoint PointFromBrowserLine(const std::string& line);

// The browser may open only when rFileName names an existing file; otherwise the focus goes
// to btnGetRName.
bool MayPickControlPoint(MainForm& form);

// After the browser closed: a chosen point fills the role's boxes and description; the focus
// then moves to compDeltas either way.
void ApplyPickedPoint(MainForm& form, ControlRole role, const std::optional<ListedPoint>& chosen);

}  // namespace velkora
