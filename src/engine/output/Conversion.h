// The conversion of one input file: every point read, moved and put into the output.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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
// lines the sink keeps; reports progress every kProgressInterval lines read, counting
// `linesBefore` lines as read already and `runPointsBefore` points as converted. This is the
// one place that decides which failure ends a conversion.
FileConversion ConvertFile(PointReader& reader, const TransformFactors& factors, PointSink& sink,
                           std::int64_t runPointsBefore, const ProgressReport& progress,
                           std::uint64_t linesBefore = 0);

// How far the loop got, kept up to date while it runs (a line hook may read `points`): to the
// end of the reader's input or to a point the output cannot take.
struct LoopEnd {
  std::int64_t points = 0;  // points put into the sink
  bool refused = false;     // a point converts out of range, or a field is too wide
  std::string refusedPoint;
  std::string_view tooWideField;  // as FieldTooWide names it; empty for a point out of range

  ConversionOutcome Refusal() const {
    return tooWideField.empty() ? ConversionOutcome::kOutOfRange : ConversionOutcome::kTooWide;
  }
};

// What the loop had done after each item the reader gave (the end included): the lines read
// since the loop started, and the points put before the item.
struct ItemMark {
  std::uint64_t linesAfter = 0;
  std::int64_t pointsBefore = 0;
};

// The loop itself, for ConvertFile and for each chunk of a file converted in chunks: reads,
// moves and puts until the input ends or the output cannot take a point; adds a mark to `marks` for
// every item read when it is given.
void ConvertPoints(PointReader& reader, const TransformFactors& factors, PointSink& sink,
                   LoopEnd& end, std::vector<ItemMark>* marks = nullptr);

// The same without a line hook: points are read in batches, then moved, then put, so that the
// moves of several points overlap in the processor. A batch ends early at an item whose texts
// the reader keeps only until it reads on (ItemTextsLieInText). The marks of items read past a
// point refused are dropped.
void ConvertPointsInBatches(PointReader& reader, const TransformFactors& factors, PointSink& sink,
                            LoopEnd& end, std::vector<ItemMark>& marks);

}  // namespace velkora
