// The SDMS reader: one record of coded lines per point, its lines kept in rawText.
#include "input/SdmsReader.h"

#include "input/LineText.h"
#include "input/PointReading.h"
#include "session/TextColumns.h"
#include "transform/NumberText.h"

namespace velkora {

namespace {

// Applies one trimmed, non-empty record line to the point. A doubled-letter coordinate
// counts only while the record has not set that coordinate to something other than 0.
void ApplySdmsLine(std::string_view line, PointRecord& point) {
  const std::string_view code = Left(line, 2);
  const std::string_view value = ColumnsFrom(line, 4);
  if (code == "PN") {
    AssignTrimmed(point.pointNum, value);
  } else if (code == "XC" || (code == "XX" && point.x == 0)) {
    point.x = ReadNumber(value);
  } else if (code == "YC" || (code == "YY" && point.y == 0)) {
    point.y = ReadNumber(value);
  } else if (code == "ZC" || (code == "ZZ" && point.elev == 0)) {
    point.elev = ReadNumber(value);
  } else if (code == "FE") {
    AssignTrimmed(point.feature, value);
  } else if (code == "PD") {
    AssignTrimmed(point.description, value);
  }
}

}  // namespace

bool FindFirstSdmsRecord(SessionState& session) {
  while (session.inFile.ReadLine(session.sdmsAcLine)) {
    if (Left(session.sdmsAcLine, 3) == "AC:") {
      return !session.inFile.AtEnd();
    }
  }
  return false;
}

bool ReadSdmsPoint(SessionState& session) {
  PointRecord& point = session.point;
  for (;;) {
    point.rawText.assign(session.sdmsAcLine);
    point.rawText += kSdmsItemEnd;
    point.pointNum.clear();
    point.feature.clear();
    point.description.clear();
    point.x = point.y = point.elev = 0;

    while (session.inFile.ReadLine(session.lineBuf)) {
      TrimInPlace(session.lineBuf);
      const std::string& line = session.lineBuf;
      if (line.empty()) {
        continue;
      }
      if (Left(line, 2) == "AC") {
        session.sdmsAcLine = line;
        break;
      }
      ApplySdmsLine(line, point);
      point.rawText += line;
      point.rawText += kSdmsItemEnd;
    }

    const bool valid = IsValidPoint(point);
    if (valid || session.inFile.AtEnd()) {
      return valid;
    }
  }
}

}  // namespace velkora
