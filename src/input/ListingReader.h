// Reader of the printed coordinate listing (code 4): a title block, a column header, a dash
// line that marks the columns, then point lines with their continuation lines.
#pragma once

#include <string_view>

#include "session/SessionState.h"

namespace velkora {

// Sets listingCol1 to listingCol4 from the dash line. False when the line does not mark four
// increasing column starts; the listing then gives no points.
bool TakeListingColumns(std::string_view dashLine, SessionState& session);

// With the file just opened: finds the column header, the dash line and the first point line,
// which is left to be read by ReadListingPoint. False when the listing has no point line.
bool FindFirstListingPoint(SessionState& session);

// ReadPoint for code 4. On return lineBuf holds the next point's line, which the input also
// still holds unread, so that a point on the last line of the file is not lost.
bool ReadListingPoint(SessionState& session);

}  // namespace velkora
