// The reference list: one fixed-column line per control point of the reference file, and the
// lookup of a point number in it.
#include "engine/transform/ReferenceList.h"

#include <algorithm>

#include "engine/input/PointReader.h"
#include "engine/points/Decimals.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {
namespace {

constexpr std::size_t kNumberWidth = 9;
constexpr std::size_t kCoordinateWidth = 13;
constexpr std::size_t kDescriptionLength = 21;

void AppendCoordinateField(std::string& line, double value, std::uint8_t decimals) {
  const std::string text = FormatRounded(value, decimals);
  if (text.size() > kCoordinateWidth) {
    line.push_back(' ');
    line.append(text);
  } else {
    line.append(PadLeft(text, kCoordinateWidth));
  }
}

// The coordinate text that starts at or after `from`: blanks skipped, then through the point
// and its decimals. Sets `from` past it.
std::string_view CoordinateText(std::string_view line, std::size_t& from, std::uint8_t decimals) {
  const std::size_t start = line.find_first_not_of(' ', from);
  const std::size_t point = start == std::string_view::npos ? start : line.find('.', start);
  if (point == std::string_view::npos) {
    from = line.size();
    return start == std::string_view::npos ? std::string_view{} : line.substr(start);
  }
  const std::size_t end = std::min(line.size(), point + 1 + decimals);
  from = end;
  return line.substr(start, end - start);
}

}  // namespace

std::string ReferenceListLine(const PointRecord& point, std::uint8_t decimals) {
  std::string line = PadRight(point.pointNum, kNumberWidth);
  AppendCoordinateField(line, point.x, decimals);
  AppendCoordinateField(line, point.y, decimals);
  line.append("  ");
  line.append(Trim(point.description));
  return line;
}

ReferenceLineFields SplitReferenceLine(std::string_view line, std::uint8_t decimals) {
  ReferenceLineFields fields;
  fields.number = Trim(Left(line, kNumberWidth));
  std::size_t from = kNumberWidth;
  if (from >= line.size()) {
    return fields;
  }
  fields.xText = CoordinateText(line, from, decimals);
  fields.yText = CoordinateText(line, from, decimals);
  fields.description = Left(Trim(line.substr(from)), kDescriptionLength);
  return fields;
}

std::optional<ListedPoint> FindReferencePoint(const ReferenceList& list, std::string_view number) {
  const std::string_view wanted = Trim(number);
  if (wanted.empty() || wanted.size() > kNumberWidth) {
    return std::nullopt;
  }
  for (const std::string& line : list.lines) {
    // Cheap first test: a line's number starts at column 1 unless it began with blanks.
    if (!line.empty() && line[0] != wanted[0] && line[0] != ' ') {
      continue;
    }
    if (Trim(Left(line, kNumberWidth)) != wanted) {
      continue;
    }
    const ReferenceLineFields fields = SplitReferenceLine(line, kControlDecimals);
    return ListedPoint{std::string(fields.number), ReadLeadingNumber(fields.xText),
                       ReadLeadingNumber(fields.yText), std::string(fields.description)};
  }
  return std::nullopt;
}

ReferenceLoad LoadReferenceList(const std::string& path, const ReadOptions& options) {
  OpenedReader opened = OpenPointReader(path, options);
  ReferenceLoad load{std::nullopt, opened.detection, opened.refusal};
  if (!opened.reader) {
    return load;
  }
  ReferenceList list;
  list.fileName = path;
  PointReader& reader = *opened.reader;
  for (ReadItem item; (item = reader.Next()) != ReadItem::kEnd;) {
    if (item == ReadItem::kPoint) {
      list.lines.push_back(ReferenceListLine(reader.Point(), kControlDecimals));
      list.width = std::max(list.width, list.lines.back().size());
    }
  }
  load.readFailed = reader.Input().Failed();
  if (!load.readFailed) {
    load.list = std::move(list);
  }
  return load;
}

}  // namespace velkora
