// The conversion of one open input file: read, transform and write each point.
#pragma once

#include <cstdint>

#include "session/SessionState.h"

namespace velkora {

class RunView;

// Lines read between two progress reports.
inline constexpr std::int64_t kProgressInterval = 16384;

enum class ConversionOutcome {
  kConverted,
  kCancelled,   // the view asked to stop
  kOutOfRange,  // session.point converts to a coordinate that cannot be written
  kReadFailed,
  kWriteFailed,
};

// Reads every point of session.inFile, moves it by the run's factors, writes it with the
// writer of session.outFormatCode and counts it in filePointCount and runPointCount. Stops
// at the first point it cannot write, leaving that point in session.point. Works on two
// threads unless session.convertOnOneThread is set; the output is the same.
ConversionOutcome ConvertPoints(SessionState& session, RunView& view);

// Number text is only defined for finite values: an absurd input or factor must stop the
// run instead of writing garbage.
bool IsWritablePoint(const PointRecord& point);

// Writes session.point with the writer of session.outFormatCode.
void WritePoint(SessionState& session);

}  // namespace velkora
