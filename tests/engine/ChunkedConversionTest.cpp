// A file converted in chunks on two threads against the same file converted on one thread:
// random files of every input layout, cut into chunks of 1 byte to 64 KB, with points out of
// range, Cancel at a random progress report and every output layout. Output bytes, outcome,
// counts and the progress reports must all be the same.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/input/PointReader.h"
#include "engine/output/ChunkedConversion.h"
#include "engine/text/AngleText.h"
#include "support/Files.h"
#include "support/Rounds.h"

namespace velkora {
namespace {

using testing::DataPath;
using testing::ReadWhole;
using testing::ScratchFolder;
using testing::WriteWhole;

constexpr int kFiles = testing::Rounds(150);

// A sample file of each layout, how many of its first lines stay in place so that the layout
// is detected and the reader finds its start, and the output format that keeps most of it.
struct Sample {
  const char* name;
  std::size_t headerLines;
  std::size_t ownFormat;
};
constexpr Sample kSamples[] = {
    {"comma-delimited.txt", 0, 0}, {"geopak-semicolon.txt", 1, 1},
    {"geopak-slash.txt", 1, 2},    {"sdms.txt", 1, 5},
    {"eighty-column.txt", 1, 6},   {"eighty-column-plus.txt", 1, 6},
    {"listing.txt", 5, 3},         {"listing-xfirst.txt", 5, 4},
};

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(line);
      line.clear();
      i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
    } else {
      line += text[i];
    }
  }
  lines.push_back(line);
  return lines;
}

// The sample's first lines, then its lines in random order: many of them, or fewer with long
// runs of empty lines, so that progress reports fall everywhere; now and then a point out of
// range (an easting beyond what a distance can square), and every kind of line break.
std::string ShuffledFile(const Sample& sample, std::mt19937_64& random) {
  const std::vector<std::string> lines = SplitLines(ReadWhole(DataPath(sample.name)));
  const bool manyLines = random() % 3 == 0;
  const std::size_t count = manyLines ? 16000 + random() % 40000 : 100 + random() % 3000;
  const bool outOfRange = random() % 3 == 0;
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    std::string line =
        i < sample.headerLines
            ? lines[i]
            : lines[sample.headerLines + random() % (lines.size() - sample.headerLines)];
    if (const std::size_t easting = line.find("1285"); outOfRange && random() % 500 == 0) {
      if (const std::size_t point = line.find('.', easting); point != std::string::npos) {
        line.replace(point, 1, "e200.");
      }
    }
    text += line;
    const char* const breaks[] = {"\r\n", "\n", "\r"};
    text += breaks[random() % 20 == 0 ? random() % 3 : 0];
    if (!manyLines && random() % 4 == 0) {
      text.append(random() % 400, '\n');
    }
  }
  return text;
}

TransformFactors Rotation() {
  TransformFactors factors;
  factors.deltaX = 250.5;
  factors.deltaY = -125.25;
  factors.rotationAngle = 12.5 * DegreesToRadians;
  factors.scaleFactor = 1.0002;
  factors.doTranslate = factors.doRotate = factors.doScale = factors.hasPivot = true;
  factors.sourcePivotX = factors.destPivotX = 1285000;
  factors.sourcePivotY = factors.destPivotY = 412000;
  return factors;
}

// One conversion and everything it showed.
struct Converted {
  FileConversion file;
  std::string output;
  std::vector<std::int64_t> reports;
};

// Converts `path` whole (chunkBytes 0) or in chunks, on one thread or two; Cancel at report
// `cancelAt`.
Converted Convert(const std::string& path, const OutputSettings& settings, std::size_t chunkBytes,
                  std::size_t cancelAt, std::int64_t pointsBefore, bool secondThread = true) {
  Converted converted;
  const ProgressReport progress = [&](std::int64_t points) {
    converted.reports.push_back(points);
    return converted.reports.size() != cancelAt;
  };
  const auto writer = MakePointWriter(settings);
  std::ostringstream output;
  StreamSink sink(*writer, output);
  OpenedReader opened = OpenPointReader(path);
  if (!opened.reader) {
    return converted;
  }
  if (chunkBytes == 0) {
    converted.file = ConvertFile(*opened.reader, Rotation(), sink, pointsBefore, progress);
  } else {
    ChunkedConversion chunks(settings, secondThread, chunkBytes);
    converted.file = chunks.ConvertFile(*opened.reader, Rotation(), sink, pointsBefore, progress);
  }
  converted.output = output.str();
  return converted;
}

TEST(ChunkedConversion, GivesWhatOneThreadGives) {
  std::mt19937_64 random(20261207);
  const ScratchFolder folder;
  const std::string path = (folder / "points.txt").string();
  for (int file = 0; file < kFiles; ++file) {
    const Sample& sample = kSamples[random() % std::size(kSamples)];
    WriteWhole(path, ShuffledFile(sample, random));
    const OutputChoice choice =
        OutputChoiceOf(random() % 2 == 0 ? sample.ownFormat : random() % kOutputFormatNames.size());
    OutputSettings settings;
    settings.layout = choice.layout;
    settings.delimiter = choice.delimiter;
    const std::size_t chunkSizes[] = {1 + random() % 40, 40 + random() % 4000,
                                      4000 + random() % 60000};
    const std::size_t chunkBytes = chunkSizes[random() % 3];
    const std::size_t cancelAt = random() % 2 == 0 ? 0 : 1 + random() % 8;
    const auto pointsBefore = static_cast<std::int64_t>(random() % 100000);

    const Converted one = Convert(path, settings, 0, cancelAt, pointsBefore);
    const bool secondThread = random() % 4 != 0;
    const Converted two = Convert(path, settings, chunkBytes, cancelAt, pointsBefore, secondThread);
    SCOPED_TRACE(::testing::Message()
                 << sample.name << ", file " << file << ", chunks of " << chunkBytes << " bytes on "
                 << (secondThread ? 2 : 1) << " threads, Cancel at report " << cancelAt);
    ASSERT_EQ(two.file.outcome, one.file.outcome);
    ASSERT_EQ(two.file.points, one.file.points);
    ASSERT_EQ(two.file.outOfRangePoint, one.file.outOfRangePoint);
    ASSERT_EQ(two.reports, one.reports);
    ASSERT_TRUE(two.output == one.output);
  }
}

// A point out of range ends the conversion where it stands, even with Cancel at the report made
// while the reader takes it, and before a report due a few lines later.
TEST(ChunkedConversion, EndsAtAPointOutOfRange) {
  const std::string blanks(kProgressInterval - 3, '\n');
  const std::string later = "3,1,1,1\n3,1,1,1\n3,1,1,1\n3,1,1,1\n3,1,1,1\n";
  const struct {
    std::string file;
    std::vector<std::int64_t> reports;
  } cases[] = {
      {"1,1,1,1\n\n" + blanks + "2,1e200,5,1\n3,1,1,1\n", {1}},
      {"AC:SS\nPN:1\nXC:1\nYC:1\nAC:SS\nPN:2\nXC:1e200\nYC:5\n" + blanks + "AC:SS\nPN:3\n", {1}},
      {"1,1,1,1\n" + blanks.substr(2) + "2,1e200,5,1\n" + later, {}},
  };
  const ScratchFolder folder;
  const std::string path = (folder / "points.txt").string();
  for (const auto& [file, reports] : cases) {
    WriteWhole(path, file);
    for (const std::size_t chunkBytes : {0, 5, 1000, 100000}) {
      const Converted converted = Convert(path, OutputSettings{}, chunkBytes, 1, 0);
      EXPECT_EQ(converted.file.outcome, ConversionOutcome::kOutOfRange) << chunkBytes;
      EXPECT_EQ(converted.file.outOfRangePoint, "2") << chunkBytes;
      EXPECT_EQ(converted.reports, reports) << chunkBytes;
    }
  }
}

}  // namespace
}  // namespace velkora
