// The 80-column reader: fields cut from fixed columns, each on its own.
#include "input/EightyColumnReader.h"

#include <algorithm>

#include "input/CommentCopy.h"
#include "input/PointReading.h"
#include "session/TextColumns.h"
#include "transform/NumberText.h"

namespace velkora {

namespace {

void AssignTrimmedColumns(std::string& target, std::string_view line, std::size_t first,
                          std::size_t last) {
  const std::string_view text = Trim(Columns(line, first, last));
  target.assign(text.data(), text.size());
}

}  // namespace

void TakeEightyColumnFields(std::string_view line, FileFormat format, PointRecord& point) {
  // Leading zeros are padding, so that 0012 is point 12; a number of only zeros and blanks
  // is no number at all.
  std::string_view number = Trim(Columns(line, 1, 4));
  if (number.find_first_not_of("0 ") == std::string_view::npos) {
    number = {};
  }
  number.remove_prefix(std::min(number.find_first_not_of('0'), number.size()));
  point.pointNum.assign(number.data(), number.size());
  AssignTrimmedColumns(point.description, line, 5, 34);
  point.x = ReadNumber(Columns(line, 35, 45));
  point.y = ReadNumber(Columns(line, 46, 56));
  point.elev = ReadNumber(Columns(line, 58, 65));
  if (format == format::kEightyColumnPlus) {
    AssignTrimmedColumns(point.feature, line, 56, 59);
  } else {
    AssignTrimmedColumns(point.feature, line, 67, 69);
  }
  point.rawText.assign(line.data(), line.size());
}

bool ReadEightyColumnPoint(SessionState& session) {
  bool valid = false;
  for (;;) {
    if (!session.inFile.ReadLine(session.lineBuf)) {
      return valid;
    }
    const std::string_view line = session.lineBuf;
    if (CharAt(line, 1) == '$') {
      if (session.outFormatCode == format::kEightyColumn) {
        CopyCommentLine(session, line);
      }
    } else if (!line.empty()) {
      TakeEightyColumnFields(line, session.inFormat, session.point);
      valid = IsValidPoint(session.point);
    }
    if (valid || session.inFile.AtEnd()) {
      return valid;
    }
  }
}

}  // namespace velkora
