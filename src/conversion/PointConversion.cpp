// The conversion of one open input file: read, transform and write each point.
#include "conversion/PointConversion.h"

#include <cmath>

#include "conversion/ConversionRun.h"
#include "conversion/DelimitedWriters.h"
#include "conversion/EightyColumnWriter.h"
#include "conversion/GeopakInputWriters.h"
#include "conversion/SdmsWriter.h"
#include "conversion/TwoThreadConversion.h"
#include "input/PointReading.h"
#include "transform/Factors.h"

namespace velkora {

bool IsWritablePoint(const PointRecord& point) {
  return std::isfinite(point.newX) && std::isfinite(point.newY) && std::isfinite(point.elev);
}

void WritePoint(SessionState& session) {
  switch (session.outFormatCode) {
    case format::kCommaDelimited:
      WriteCommaDelimited(session);
      break;
    case format::kGeopakDelimited:
      WriteGeopakDelimited(session);
      break;
    case format::kGeopakInputNE:
      WriteGeopakInputNE(session);
      break;
    case format::kGeopakInputXY:
      WriteGeopakInputXY(session);
      break;
    case format::kSdms:
      WriteSdms(session);
      break;
    case format::kEightyColumn:
      WriteEightyColumn(session);
      break;
  }
}

ConversionOutcome ConvertPoints(SessionState& session, RunView& view) {
  if (!session.convertOnOneThread) {
    return ConvertPointsOnTwoThreads(session, view);
  }
  // Progress is reported by lines read, so that a long file of comments or invalid lines
  // keeps the window painting and can be cancelled too.
  ConversionOutcome stopReason = ConversionOutcome::kConverted;
  session.inFile.SetLineHook(
      [&session, &view, &stopReason] {
        if (!session.outFile->good()) {
          stopReason = ConversionOutcome::kWriteFailed;
        } else if (!view.ReportProgress(session.runPointCount)) {
          stopReason = ConversionOutcome::kCancelled;
        }
        return stopReason == ConversionOutcome::kConverted;
      },
      kProgressInterval);
  do {
    if (ReadPoint(session)) {
      TransformPoint(session);
      if (!IsWritablePoint(session.point)) {
        return ConversionOutcome::kOutOfRange;
      }
      WritePoint(session);
      ++session.filePointCount;
      ++session.runPointCount;
    }
  } while (!session.inFile.AtEnd());
  if (session.inFile.Stopped()) {
    return stopReason;
  }
  if (session.inFile.Failed()) {
    return ConversionOutcome::kReadFailed;
  }
  return session.outFile->good() ? ConversionOutcome::kConverted : ConversionOutcome::kWriteFailed;
}

}  // namespace velkora
