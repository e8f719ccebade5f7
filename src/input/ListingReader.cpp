// The coordinate listing reader: columns from the dash line, feature and description from the
// continuation lines, page breaks skipped.
#include "input/ListingReader.h"

#include "input/LineText.h"
#include "input/PointReading.h"
#include "session/TextColumns.h"
#include "transform/NumberText.h"

namespace velkora {

namespace {

constexpr std::size_t kMarkerWidth = 11;

bool IsDashMarked(std::string_view line) {
  return BeginsWithRun(line, '-', kMarkerWidth);
}

bool IsContinuation(std::string_view line) {
  return IsDashMarked(line) || BeginsWithRun(line, ' ', kMarkerWidth);
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(' ') == std::string_view::npos;
}

bool IsColumnHeader(std::string_view line) {
  return line.find(" Station") != std::string_view::npos &&
         line.find(" Point") != std::string_view::npos;
}

// Column of the first " -" at or after column `from` (1-based); 0 when there is none.
std::size_t NextColumnStart(std::string_view line, std::size_t from) {
  if (from == 0 || from > line.size()) {
    return 0;
  }
  const std::size_t found = line.find(" -", from - 1);
  return found == std::string_view::npos ? 0 : found + 1;
}

// The trimmed text after the first ":" of the line, or the whole line trimmed without one.
void AssignCaptionValue(std::string& target, std::string_view line) {
  const std::size_t colon = line.find(':');
  AssignTrimmed(target, colon == std::string_view::npos ? line : line.substr(colon + 1));
}

// The caption is the text before the first ":" (the whole line without one), so that a
// description mentioning a feature, or the reverse, stays in its own field.
void ApplyContinuation(std::string_view line, PointRecord& point) {
  const std::string_view caption = line.substr(0, line.find(':'));
  if (ContainsIgnoringCase(caption, "Feature")) {
    AssignCaptionValue(point.feature, line);
  } else if (ContainsIgnoringCase(caption, "Description")) {
    AssignCaptionValue(point.description, line);
  }
}

// Skips a page break: its "*" line (already read) and every line up to and including the next
// line that begins with the dash marker.
void SkipPageBreak(SessionState& session) {
  while (session.inFile.ReadLine(session.lineBuf)) {
    if (IsDashMarked(session.lineBuf)) {
      return;
    }
  }
}

void TakeListingPointFields(SessionState& session) {
  const std::string_view line = session.lineBuf;
  PointRecord& point = session.point;
  AssignTrimmed(point.pointNum, Columns(line, 1, session.listingCol1 - 1));
  const double first = ReadNumber(Columns(line, session.listingCol1, session.listingCol2 - 1));
  const double second = ReadNumber(Columns(line, session.listingCol2, session.listingCol3 - 1));
  if (session.listingXFirst) {
    point.x = first;
    point.y = second;
    point.elev = 0;
  } else {
    point.y = first;
    point.x = second;
    point.elev = ReadNumber(ColumnsFrom(line, session.listingCol4));
  }
  point.feature.clear();
  point.description.clear();
}

}  // namespace

bool TakeListingColumns(std::string_view dashLine, SessionState& session) {
  const std::size_t col1 = NextColumnStart(dashLine, 1);
  const std::size_t col2 = NextColumnStart(dashLine, col1 + 2);
  const std::size_t col3 = NextColumnStart(dashLine, col2 + 2);
  const std::size_t col4 = NextColumnStart(dashLine, col3 + 2);
  session.listingCol1 = static_cast<std::int64_t>(col1);
  session.listingCol2 = static_cast<std::int64_t>(col2);
  session.listingCol3 = static_cast<std::int64_t>(col3);
  session.listingCol4 = static_cast<std::int64_t>(col4);
  // Each search starts past the previous find, so four finds always increase.
  return col1 > 0 && col2 > 0 && col3 > 0 && col4 > 0;
}

bool FindFirstListingPoint(SessionState& session) {
  bool headerFound = false;
  while (session.inFile.ReadLine(session.lineBuf)) {
    if (IsColumnHeader(session.lineBuf)) {
      headerFound = true;
      break;
    }
  }
  if (!headerFound || session.inFile.AtEnd()) {
    return false;
  }
  session.listingXFirst = session.lineBuf.find('X') != std::string::npos;
  session.inFile.ReadLine(session.lineBuf);
  if (!TakeListingColumns(session.lineBuf, session)) {
    return false;
  }
  // The dash line is never a point, even when its first group is shorter than the marker.
  do {
    if (!session.inFile.ReadLine(session.lineBuf)) {
      return false;
    }
  } while (IsDashMarked(session.lineBuf) || IsBlank(session.lineBuf));
  session.inFile.UnreadLine(session.lineBuf);
  return true;
}

bool ReadListingPoint(SessionState& session) {
  for (;;) {
    if (!session.inFile.ReadLine(session.lineBuf)) {
      return false;
    }
    TakeListingPointFields(session);
    while (session.inFile.ReadLine(session.lineBuf)) {
      if (CharAt(session.lineBuf, 1) == '*') {
        SkipPageBreak(session);
      } else if (!IsContinuation(session.lineBuf)) {
        session.inFile.UnreadLine(session.lineBuf);
        break;
      } else {
        ApplyContinuation(session.lineBuf, session.point);
      }
    }
    const bool valid = IsValidPoint(session.point);
    if (valid || session.inFile.AtEnd()) {
      return valid;
    }
  }
}

}  // namespace velkora
