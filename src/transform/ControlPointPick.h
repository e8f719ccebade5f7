// Picking a control point in the point browser, without the window: the caption of each
// role, the point of a chosen list line, the copy into the main window and the geometry.
#pragma once

#include <cstdint>
#include <string>

#include "session/MainForm.h"
#include "session/SessionState.h"
#include "transform/ReferenceList.h"

namespace velkora {

// The browser's caption for a pick button ("Select The Source Pivot Point"...).
std::string BrowserCaption(ControlRole role);

// The point of a list line as Select takes it: the number, X and Y by the strict conversion
// (0 when unreadable) and the description cut to 21 characters. `decimals` are those the
// list was written with (controlDecimals).
PointRecord PointFromBrowserLine(const std::string& line, std::uint8_t decimals = 4);

// The browser may open only when rFileName names an existing file; otherwise the focus goes
// to btnGetRName.
bool MayPickControlPoint(MainForm& form);

// After the browser closed: a chosen point (session.point with a number) fills the role's
// boxes and description; the focus then moves to compDeltas either way.
void ApplyPickedPoint(SessionState& session, MainForm& form, ControlRole role);

// The browser's outer width in twips for a list width of `listWidth` characters.
std::int64_t BrowserOuterWidth(std::int64_t listWidth);

// Places and sizes, in twips, of the browser's controls that follow the window's size.
struct BrowserLayout {
  double listWidth = 5655;
  double listHeight = 2580;
  double buttonTop = 3120;
  double selectLeft = 1275;
  double cancelLeft = 3720;
};

// Fits the list and the buttons to an outer window size in twips; below each rule's
// threshold the affected controls keep their last size and place.
void ResizeBrowser(BrowserLayout& layout, double outerWidth, double outerHeight);

}  // namespace velkora
