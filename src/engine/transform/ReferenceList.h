// The reference list: every valid point of a reference file of control points as one
// fixed-column line, and the lookup of a point number in it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/input/PointReader.h"
#include "engine/points/PointRecord.h"

namespace velkora {

// Narrowest list width, in characters.
inline constexpr std::size_t kMinReferenceWidth = 47;

inline constexpr const char* kCannotReadReferenceText = "Unable To Read Reference File:";

// One list line: the number in columns 1-9 (cut to 9), X and Y right-aligned in 13 columns
// each, two blanks and the trimmed description. A coordinate longer than 13 characters widens
// its field, with one blank before it, instead of losing its leading digits.
std::string ReferenceListLine(const PointRecord& point, std::uint8_t decimals);

// The texts of a list line: the number (first 9 characters, trimmed), the X and Y texts and
// the description (trimmed, cut to 21 characters). `decimals` are those the line was written
// with; they mark where a widened coordinate ends.
struct ReferenceLineFields {
  std::string_view number;
  std::string_view xText;
  std::string_view yText;
  std::string_view description;
};
ReferenceLineFields SplitReferenceLine(std::string_view line, std::uint8_t decimals);

struct ReferenceList {
  std::vector<std::string> lines;          // in file order
  std::size_t width = kMinReferenceWidth;  // of the widest line, at least kMinReferenceWidth
  std::string fileName;                    // the file the lines were read from
};

// A point found in the list: its number, X and Y read back from the line, and its description.
struct ListedPoint {
  std::string number;
  double x = 0;
  double y = 0;
  std::string description;
};

// The first line whose number equals `number` (both trimmed, exact text).
std::optional<ListedPoint> FindReferencePoint(const ReferenceList& list, std::string_view number);

// The list of the file at `path`, its delimited columns read in the order of `options`. Without
// a list: `refusal` holds the opener's message for a
// listing or SDMS file without points, `readFailed` tells a read error part way (half a list
// would offer points that are not all of the file's), and otherwise `detection` says whether
// the file could not be opened or has no known layout.
struct ReferenceLoad {
  std::optional<ReferenceList> list;
  Detection detection;
  std::string refusal;
  bool readFailed = false;
};
ReferenceLoad LoadReferenceList(const std::string& path, const ReadOptions& options = {});

}  // namespace velkora
