// Arbitrary bytes as an input file, converted into every output layout: whatever the input,
// the conversion ends, the output holds only whole CR LF lines, and one thread and two (the
// file cut into chunks of a few bytes, so that chunks start wherever they can) give the same
// outcome, count and bytes.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzSupport.h"
#include "engine/input/PointReader.h"
#include "engine/output/ChunkedConversion.h"
#include "engine/output/Conversion.h"
#include "engine/text/AngleText.h"

namespace {

// A translation alone on odd-sized inputs, a rotation, scale and translation on the others, so
// that both ways of moving a point see every input.
velkora::TransformFactors FactorsFor(std::size_t size) {
  const bool translationOnly = size % 2 == 1;
  velkora::TransformFactors factors;
  factors.deltaX = 250.5;
  factors.deltaY = -125.25;
  factors.doTranslate = true;
  factors.rotationAngle = translationOnly ? 0 : 12.5 * velkora::DegreesToRadians;
  factors.scaleFactor = translationOnly ? 1 : 1.0002;
  factors.doRotate = factors.doScale = factors.hasPivot = !translationOnly;
  factors.sourcePivotX = 1455000;
  factors.sourcePivotY = 540000;
  factors.destPivotX = factors.sourcePivotX + factors.deltaX;
  factors.destPivotY = factors.sourcePivotY + factors.deltaY;
  return factors;
}

// One conversion of the input into the output list's entry, on one thread or two.
struct Converted {
  velkora::ConversionOutcome outcome = velkora::ConversionOutcome::kConverted;
  std::int64_t points = 0;
  std::string outOfRangePoint;
  std::string output;
};

// In chunks of `chunkBytes` bytes, or on one thread for 0.
Converted Convert(const velkora::fuzz::FuzzInputFile& input, std::size_t size, std::size_t entry,
                  std::size_t chunkBytes) {
  const velkora::OutputChoice choice = velkora::OutputChoiceOf(entry);
  velkora::OutputSettings settings;
  settings.layout = choice.layout;
  settings.delimiter = choice.delimiter;
  settings.suppressZeroElevations = size % 3 == 0;
  const auto writer = velkora::MakePointWriter(settings);
  std::ostringstream output;
  velkora::StreamSink stream(*writer, output);
  Converted converted;
  velkora::OpenedReader opened = velkora::OpenPointReader(input.Path());
  if (opened.reader) {
    const velkora::TransformFactors factors = FactorsFor(size);
    velkora::FileConversion file;
    if (chunkBytes == 0) {
      file = velkora::ConvertFile(*opened.reader, factors, stream, 0, {});
    } else {
      velkora::ChunkedConversion chunks(settings, size % 5 != 0, chunkBytes);
      file = chunks.ConvertFile(*opened.reader, factors, stream, 0, {});
    }
    converted.outcome = file.outcome;
    converted.points = file.points;
    converted.outOfRangePoint = file.outOfRangePoint;
  }
  converted.output = output.str();
  return converted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using velkora::fuzz::Require;
  const velkora::fuzz::FuzzInputFile input(data, size, "convert");
  const std::size_t chunkBytes = size > 0 ? 1 + data[size - 1] % 64 : 1;
  for (std::size_t entry = 0; entry < velkora::kOutputFormatNames.size(); ++entry) {
    const Converted one = Convert(input, size, entry, 0);
    const Converted two = Convert(input, size, entry, chunkBytes);
    Require(one.points <= static_cast<std::int64_t>(size), "more points than bytes");
    Require(velkora::fuzz::AllLinesEndInCrLf(one.output), "an output line does not end in CR LF");
    Require(one.outcome == two.outcome && one.points == two.points &&
                one.outOfRangePoint == two.outOfRangePoint && one.output == two.output,
            "one thread and two threads disagree");
  }
  return 0;
}
