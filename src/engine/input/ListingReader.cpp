// The coordinate listing reader: columns from the dash line, feature and description from the
// continuation lines, page breaks skipped.
#include "engine/input/ListingReader.h"

#include <array>

#include "engine/text/LineBreaks.h"
#include "engine/text/LineText.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

constexpr std::size_t kMarkerWidth = 11;

bool IsDashMarked(std::string_view line) {
  return BeginsWithRun(line, '-', kMarkerWidth);
}

bool IsContinuation(std::string_view line) {
  return IsDashMarked(line) || BeginsWithRun(line, ' ', kMarkerWidth);
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(' ') == std::string_view::npos;
}

bool IsColumnHeader(std::string_view line) {
  return line.find(" Station") != std::string_view::npos &&
         line.find(" Point") != std::string_view::npos;
}

// Column of the first " -" at or after column `from` (1-based); 0 when there is none.
std::size_t NextColumnStart(std::string_view line, std::size_t from) {
  if (from == 0 || from > line.size()) {
    return 0;
  }
  const std::size_t found = line.find(" -", from - 1);
  return found == std::string_view::npos ? 0 : found + 1;
}

// The trimmed text after the first ":" of the line, or the whole line trimmed without one.
void AssignCaptionValue(std::string& target, std::string_view line) {
  const std::size_t colon = line.find(':');
  AssignTrimmed(target, colon == std::string_view::npos ? line : line.substr(colon + 1));
}

// The texts of the point being read, which come from several lines.
struct PointTexts {
  std::string pointNum;
  std::string feature;
  std::string description;
};

// The caption is the text before the first ":" (the whole line without one), so that a
// description mentioning a feature, or the reverse, stays in its own field.
void ApplyContinuation(std::string_view line, PointTexts& texts) {
  const std::string_view caption = line.substr(0, line.find(':'));
  if (ContainsIgnoringCase(caption, "Feature")) {
    AssignCaptionValue(texts.feature, line);
  } else if (ContainsIgnoringCase(caption, "Description")) {
    AssignCaptionValue(texts.description, line);
  }
}

class ListingReader : public PointReader {
 public:
  explicit ListingReader(const Detection& detection) : PointReader(detection) {}

  // Finds the column header, the dash line and the first point line, which is left unread.
  bool Start() override {
    bool headerFound = false;
    while (input_.ReadLine(line_)) {
      if (IsColumnHeader(line_)) {
        headerFound = true;
        break;
      }
    }
    if (!headerFound || input_.AtEnd()) {
      return false;
    }
    xFirst_ = line_.find('X') != std::string_view::npos;
    input_.ReadLine(line_);
    if (!TakeColumns(line_)) {
      return false;
    }
    // The dash line is never a point, even when its first group is shorter than the marker.
    do {
      if (!input_.ReadLine(line_)) {
        return false;
      }
    } while (IsDashMarked(line_) || IsBlank(line_));
    input_.UnreadLine();
    return true;
  }

  // After a dash-marked line the reader takes continuation lines, or a page break ends there,
  // until the next point line; a "*" line opens a page break that only a dash-marked line
  // ends. So a chunk starts at the first point line after a dash-marked line with no "*" line
  // between them; its reader reads that line as the end of the point before it.
  std::size_t ChunkStart(std::string_view text, std::size_t from) const override {
    bool afterDashes = false;
    for (std::size_t start = NextLineStart(text, from); start != std::string_view::npos;) {
      const TextLine line = LineAt(text, start);
      if (line.next == std::string_view::npos) {
        break;
      }
      if (!afterDashes) {
        afterDashes = IsDashMarked(line.text);
      } else if (CharAt(line.text, 1) == '*') {
        afterDashes = false;
      } else if (!IsContinuation(line.text)) {
        return start;
      }
      start = line.next;
    }
    return std::string_view::npos;
  }

  bool ReadsIntoNextChunk() const override { return true; }

  std::unique_ptr<PointReader> CopyForChunk() const override {
    auto copy = std::make_unique<ListingReader>(detection_);
    copy->xFirst_ = xFirst_;
    copy->columns_ = columns_;
    return copy;
  }

  // The next point line with its continuation lines; the line after them is left unread, so
  // that a point on the last line of the file is not lost.
  ReadItem Next() override {
    for (;;) {
      if (!input_.ReadLine(line_)) {
        return ReadItem::kEnd;
      }
      TakePointFields();
      while (input_.ReadLine(line_)) {
        if (CharAt(line_, 1) == '*') {
          SkipPageBreak();
        } else if (!IsContinuation(line_)) {
          input_.UnreadLine();
          break;
        } else {
          ApplyContinuation(line_, texts_);
        }
      }
      point_.pointNum = texts_.pointNum;
      point_.feature = texts_.feature;
      point_.description = texts_.description;
      if (IsValidPoint(point_)) {
        return ReadItem::kPoint;
      }
    }
  }

 private:
  // The four column starts from the dash line. False when it does not mark four increasing
  // column starts; each search starts past the previous find, so four finds always increase.
  bool TakeColumns(std::string_view dashLine) {
    std::size_t from = 1;
    for (std::size_t& column : columns_) {
      column = NextColumnStart(dashLine, from);
      if (column == 0) {
        return false;
      }
      from = column + 2;
    }
    return true;
  }

  // Skips a page break: its "*" line (already read) and every line up to and including the
  // next line that begins with the dash marker.
  void SkipPageBreak() {
    while (input_.ReadLine(line_)) {
      if (IsDashMarked(line_)) {
        return;
      }
    }
  }

  void TakePointFields() {
    const std::string_view line = line_;
    PointRecord& point = point_;
    AssignTrimmed(texts_.pointNum, Columns(line, 1, columns_[0] - 1));
    const double first = ReadNumber(Columns(line, columns_[0], columns_[1] - 1));
    const double second = ReadNumber(Columns(line, columns_[1], columns_[2] - 1));
    if (xFirst_) {
      point.x = first;
      point.y = second;
      point.elev = 0;
    } else {
      point.y = first;
      point.x = second;
      point.elev = ReadNumber(ColumnsFrom(line, columns_[3]));
    }
    texts_.feature.clear();
    texts_.description.clear();
  }

  PointTexts texts_;
  bool xFirst_ = false;  // the column header holds a capital "X": X comes before Y
  std::array<std::size_t, 4> columns_{};
};

}  // namespace

std::unique_ptr<PointReader> MakeListingReader(const Detection& detection) {
  return std::make_unique<ListingReader>(detection);
}

}  // namespace velkora
