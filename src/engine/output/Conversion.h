// The conversion of one input file: every point read, moved and put into the output.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/input/PointReader.h"
#include "engine/output/PointSink.h"
#include "engine/transform/TransformFactors.h"

namespace velkora {

// Lines read between two progress reports.
inline constexpr std::int64_t kProgressInterval = 16384;

// Told the number of points the run has converted so far; false cancels the run.
using ProgressReport = std::function<bool(std::int64_t pointsConverted)>;

enum class ConversionOutcome {
  kConverted,
  kCancelled,   // the progress report asked to stop
  kOutOfRange,  // a point converts to a coordinate that cannot be written
  kReadFailed,
  kWriteFailed,
  kTooWide,  // a field of a point is wider than the output layout's columns
};

struct FileConversion {
  ConversionOutcome outcome = ConversionOutcome::kConverted;
  std::int64_t points = 0;      // points of the file put into the output
  std::string outOfRangePoint;  // the number of the point that could not be written
  std::string tooWideField;     // for kTooWide: the layout and field, as FieldTooWide names them
};

// Number text is only defined for finite values: an absurd input or factor must stop the run
// instead of writing garbage.
bool IsWritablePoint(const PointRecord& point);

// Reads every point of `reader`, moves it by `factors` and puts it into `sink`, with the comment
// lines the sink keeps; reports progress every kProgressInterval lines read, counting from
// `runPointsBefore`. This is the one place that decides which failure ends a conversion.
FileConversion ConvertFile(PointReader& reader, const TransformFactors& factors, PointSink& sink,
                           std::int64_t runPointsBefore, const ProgressReport& progress);

}  // namespace velkora
