// The conversion loop, the same whether the sink writes on this thread or a second one.
#include "engine/output/Conversion.h"

#include <cmath>

namespace velkora {

bool IsWritablePoint(const PointRecord& point) {
  return std::isfinite(point.newX) && std::isfinite(point.newY) && std::isfinite(point.elev);
}

namespace {

// A write that failed makes the output useless whatever else happened, so it comes first.
ConversionOutcome WhyItEnded(const PointSink& sink, const LineInput& input,
                             const FileConversion& result, bool pointRefused) {
  if (sink.Failed()) {
    return ConversionOutcome::kWriteFailed;
  }
  if (pointRefused) {
    return result.tooWideField.empty() ? ConversionOutcome::kOutOfRange
                                       : ConversionOutcome::kTooWide;
  }
  if (input.Stopped()) {
    return ConversionOutcome::kCancelled;
  }
  return input.Failed() ? ConversionOutcome::kReadFailed : ConversionOutcome::kConverted;
}

}  // namespace

FileConversion ConvertFile(PointReader& reader, const TransformFactors& factors, PointSink& sink,
                           std::int64_t runPointsBefore, const ProgressReport& progress) {
  FileConversion result;
  // Progress goes by lines read, so that a long file of comments or invalid lines keeps the
  // window painting and can be cancelled too.
  LineInput& input = reader.Input();
  input.SetLineHook(
      [&] { return !sink.Failed() && (!progress || progress(runPointsBefore + result.points)); },
      kProgressInterval);

  const InputLayout source = reader.Layout().layout;
  const bool keepsComments = sink.KeepsCommentsOf(source);
  const bool shiftsElevations = factors.deltaZ != 0;
  bool pointRefused = false;
  for (ReadItem item; (item = reader.Next()) != ReadItem::kEnd;) {
    if (item == ReadItem::kComment) {
      if (keepsComments) {
        sink.PutComment(reader.Comment());
      }
      continue;
    }
    PointRecord& point = reader.Point();
    const MovedPoint moved = factors.Apply(point.x, point.y);
    point.newX = moved.x;
    point.newY = moved.y;
    if (shiftsElevations) {
      point.elev = ShiftElevation(point.elev, factors.deltaZ);
    }
    // A point the output cannot hold ends the file, like one that converts out of range:
    // cutting a field would write another value.
    const bool writable = IsWritablePoint(point);
    const std::string_view tooWide = writable ? sink.FieldTooWide(point, source) : "";
    if (!writable || !tooWide.empty()) {
      pointRefused = true;
      result.outOfRangePoint = point.pointNum;
      result.tooWideField = tooWide;
      break;
    }
    sink.Put(point, source);
    ++result.points;
  }
  input.SetLineHook(nullptr, 0);
  sink.Drain();

  result.outcome = WhyItEnded(sink, input, result, pointRefused);
  return result;
}

}  // namespace velkora
