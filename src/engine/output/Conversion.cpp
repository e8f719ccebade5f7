// The conversion loop, the same whether the sink writes on this thread or a second one.
#include "engine/output/Conversion.h"

#include <array>
#include <cmath>

namespace velkora {

bool IsWritablePoint(const PointRecord& point) {
  return std::isfinite(point.newX) && std::isfinite(point.newY) && std::isfinite(point.elev);
}

namespace {

// A write that failed makes the output useless whatever else happened, so it comes first.
ConversionOutcome WhyItEnded(const PointSink& sink, const LineInput& input, const LoopEnd& end) {
  if (sink.Failed()) {
    return ConversionOutcome::kWriteFailed;
  }
  if (end.refused) {
    return end.Refusal();
  }
  if (input.Stopped()) {
    return ConversionOutcome::kCancelled;
  }
  return input.Failed() ? ConversionOutcome::kReadFailed : ConversionOutcome::kConverted;
}

// A point the output cannot hold ends the file, like one that converts out of range: cutting a
// field would write another value. Notes which point and why in `end`.
bool Refuses(const PointSink& sink, const PointRecord& point, InputLayout source, LoopEnd& end) {
  if (IsWritablePoint(point)) {
    end.tooWideField = sink.FieldTooWide(point, source);
    if (end.tooWideField.empty()) {
      return false;
    }
  }
  end.refused = true;
  end.refusedPoint.assign(point.pointNum);
  return true;
}

}  // namespace

void ConvertPoints(PointReader& reader, const TransformFactors& factors, PointSink& sink,
                   LoopEnd& end, std::vector<ItemMark>* marks) {
  const InputLayout source = reader.Layout().layout;
  const bool keepsComments = sink.KeepsCommentsOf(source);
  const bool shiftsElevations = factors.deltaZ != 0;
  const LineInput& input = reader.Input();
  const std::uint64_t linesBefore = input.LinesRead();
  for (;;) {
    const ReadItem item = reader.Next();
    if (marks != nullptr) {
      marks->push_back({input.LinesRead() - linesBefore, end.points});
    }
    if (item == ReadItem::kEnd) {
      return;
    }
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
    if (Refuses(sink, point, source, end)) {
      return;
    }
    sink.Put(point, source);
    ++end.points;
  }
}

namespace {

// Enough points that the moves of several overlap in the processor, few enough to stay in the
// cache.
constexpr std::size_t kBatchItems = 32;

// A point or a kept comment line read ahead, and the mark of the item that gave it.
struct BatchItem {
  bool comment = false;
  PointRecord point;
  std::string_view line;
  std::size_t mark = 0;
};

}  // namespace

void ConvertPointsInBatches(PointReader& reader, const TransformFactors& factors, PointSink& sink,
                            LoopEnd& end, std::vector<ItemMark>& marks) {
  const InputLayout source = reader.Layout().layout;
  const bool keepsComments = sink.KeepsCommentsOf(source);
  const bool shiftsElevations = factors.deltaZ != 0;
  const LineInput& input = reader.Input();
  const std::uint64_t linesBefore = input.LinesRead();
  std::array<BatchItem, kBatchItems> batch;
  std::int64_t pointsRead = 0;
  for (bool more = true; more;) {
    std::size_t count = 0;
    while (count < batch.size()) {
      const ReadItem item = reader.Next();
      marks.push_back({input.LinesRead() - linesBefore, pointsRead});
      if (item == ReadItem::kEnd) {
        more = false;
        break;
      }
      BatchItem& read = batch[count];
      read.mark = marks.size() - 1;
      if (item == ReadItem::kComment) {
        read.comment = true;
        read.line = reader.Comment();
        count += keepsComments ? 1 : 0;
      } else {
        read.comment = false;
        read.point = reader.Point();
        ++pointsRead;
        ++count;
      }
      if (!reader.ItemTextsLieInText()) {
        break;
      }
    }
    for (std::size_t i = 0; i < count; ++i) {
      PointRecord& point = batch[i].point;
      if (!batch[i].comment) {
        const MovedPoint moved = factors.Apply(point.x, point.y);
        point.newX = moved.x;
        point.newY = moved.y;
        if (shiftsElevations) {
          point.elev = ShiftElevation(point.elev, factors.deltaZ);
        }
      }
    }
    for (std::size_t i = 0; i < count; ++i) {
      const BatchItem& item = batch[i];
      if (item.comment) {
        sink.PutComment(item.line);
      } else if (Refuses(sink, item.point, source, end)) {
        marks.resize(item.mark + 1);
        return;
      } else {
        sink.Put(item.point, source);
        ++end.points;
      }
    }
  }
}

FileConversion ConvertFile(PointReader& reader, const TransformFactors& factors, PointSink& sink,
                           std::int64_t runPointsBefore, const ProgressReport& progress,
                           std::uint64_t linesBefore) {
  // Progress goes by lines read, so that a long file of comments or invalid lines keeps the
  // window painting and can be cancelled too.
  LineInput& input = reader.Input();
  LoopEnd end;
  input.SetLineHook(
      [&] { return !sink.Failed() && (!progress || progress(runPointsBefore + end.points)); },
      kProgressInterval, linesBefore);
  ConvertPoints(reader, factors, sink, end);
  input.SetLineHook(nullptr, 0);
  sink.Drain();

  FileConversion result;
  result.points = end.points;
  result.outOfRangePoint = end.refusedPoint;
  result.tooWideField = end.tooWideField;
  result.outcome = WhyItEnded(sink, input, end);
  return result;
}

}  // namespace velkora
