// Opening a coordinate file at its first point and reading it one valid point at a time.
#include "input/PointReading.h"

#include "input/DelimitedReaders.h"
#include "input/EightyColumnReader.h"
#include "input/FormatDetection.h"
#include "input/ListingReader.h"
#include "input/SdmsReader.h"

namespace velkora {

bool OpenInputFile(SessionState& session, Prompter& prompter) {
  DetectFormat(session);
  if (session.inFormat == format::kUnrecognized || session.inFormat == format::kCannotOpen) {
    return false;
  }
  if (!session.inFile.Open(session.curFileName)) {
    return false;
  }
  const char* noPointsText = nullptr;
  if (session.inFormat == format::kCoordinateListing && !FindFirstListingPoint(session)) {
    noPointsText = "No Geopak Points Found in";
  } else if (session.inFormat == format::kSdms && !FindFirstSdmsRecord(session)) {
    noPointsText = "No SDMS AC: Code Found in";
  }
  if (noPointsText != nullptr) {
    session.inFile.Close();
    prompter.ShowMessage(FileErrorMessage(noPointsText, session.curFileName));
    return false;
  }
  return true;
}

bool ReadPoint(SessionState& session) {
  switch (session.inFormat) {
    case format::kCommaDelimited:
      return ReadCommaDelimitedPoint(session);
    case format::kGeopakDelimited:
      return ReadGeopakDelimitedPoint(session);
    case format::kCoordinateListing:
      return ReadListingPoint(session);
    case format::kSdms:
      return ReadSdmsPoint(session);
    case format::kEightyColumn:
    case format::kEightyColumnPlus:
      return ReadEightyColumnPoint(session);
    default:
      // Only a file that OpenInputFile refused has another code; it is never read.
      session.inFile.Close();
      return false;
  }
}

bool IsValidPoint(const PointRecord& point) {
  return !point.pointNum.empty() && point.x != 0 && point.y != 0;
}

void CloseInputFile(SessionState& session) {
  session.inFile.Close();
}

}  // namespace velkora
