// The SDMS reader: one record of coded lines per point, its lines kept in rawText.
#include "engine/input/SdmsReader.h"

#include "engine/text/LineBreaks.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

// A line that, without its blanks, begins with "AC" ends the record before it and opens the
// next one.
bool OpensRecord(std::string_view trimmedLine) {
  return trimmedLine.size() >= 2 && trimmedLine[0] == 'A' && trimmedLine[1] == 'C';
}

// A line's two-letter code as one number, for a switch.
constexpr unsigned CodeOf(char first, char second) {
  return static_cast<unsigned>(static_cast<unsigned char>(first)) << 8 |
         static_cast<unsigned char>(second);
}

// The texts of the record being read, which the point shows.
struct RecordTexts {
  std::string pointNum;
  std::string feature;
  std::string description;
  std::string rawText;
};

// Applies one trimmed, non-empty record line to the point. A doubled-letter coordinate
// counts only while the record has not set that coordinate to something other than 0.
void ApplySdmsLine(std::string_view line, PointRecord& point, RecordTexts& texts) {
  if (line.size() < 2) {
    return;
  }
  const std::string_view value = ColumnsFrom(line, 4);
  switch (CodeOf(line[0], line[1])) {
    case CodeOf('P', 'N'):
      AssignTrimmed(texts.pointNum, value);
      break;
    case CodeOf('X', 'X'):
      if (point.x != 0) {
        break;
      }
      [[fallthrough]];
    case CodeOf('X', 'C'):
      point.x = ReadNumber(value);
      break;
    case CodeOf('Y', 'Y'):
      if (point.y != 0) {
        break;
      }
      [[fallthrough]];
    case CodeOf('Y', 'C'):
      point.y = ReadNumber(value);
      break;
    case CodeOf('Z', 'Z'):
      if (point.elev != 0) {
        break;
      }
      [[fallthrough]];
    case CodeOf('Z', 'C'):
      point.elev = ReadNumber(value);
      break;
    case CodeOf('F', 'E'):
      AssignTrimmed(texts.feature, value);
      break;
    case CodeOf('P', 'D'):
      AssignTrimmed(texts.description, value);
      break;
    default:
      break;
  }
}

class SdmsReader : public PointReader {
 public:
  explicit SdmsReader(const Detection& detection) : PointReader(detection) {}

  bool Start() override {
    while (input_.ReadLine(line_)) {
      if (Left(line_, 3) == "AC:") {
        acLine_.assign(line_);
        return !input_.AtEnd();
      }
    }
    return false;
  }

  // A chunk starts at a line that opens a record; its reader reads that line as the end of
  // the record before it.
  std::size_t ChunkStart(std::string_view text, std::size_t from) const override {
    for (std::size_t start = NextLineStart(text, from); start != std::string_view::npos;) {
      const TextLine line = LineAt(text, start);
      if (line.next == std::string_view::npos) {
        break;
      }
      if (OpensRecord(Trim(line.text))) {
        return start;
      }
      start = line.next;
    }
    return std::string_view::npos;
  }

  bool ReadsIntoNextChunk() const override { return true; }

  std::unique_ptr<PointReader> CopyForChunk() const override {
    auto copy = std::make_unique<SdmsReader>(detection_);
    copy->acLine_ = acLine_;
    return copy;
  }

  void StartChunk() override {
    input_.ReadLine(line_);
    acLine_.assign(Trim(line_));
  }

  ReadItem Next() override {
    for (;;) {
      if (input_.AtEnd()) {
        return ReadItem::kEnd;
      }
      ReadRecord();
      if (IsValidPoint(point_)) {
        return ReadItem::kPoint;
      }
    }
  }

 private:
  // Reads the record that acLine_ opens, up to the next "AC" line (kept in acLine_) or the end.
  void ReadRecord() {
    PointRecord& point = point_;
    RecordTexts& texts = texts_;
    texts.rawText.assign(acLine_);
    texts.rawText += kSdmsItemEnd;
    texts.pointNum.clear();
    texts.feature.clear();
    texts.description.clear();
    point.x = point.y = point.elev = 0;

    while (input_.ReadLine(line_)) {
      const std::string_view line = Trim(line_);
      if (line.empty()) {
        continue;
      }
      if (OpensRecord(line)) {
        acLine_.assign(line);
        break;
      }
      ApplySdmsLine(line, point, texts);
      texts.rawText.append(line).push_back(kSdmsItemEnd);
    }
    point.pointNum = texts.pointNum;
    point.feature = texts.feature;
    point.description = texts.description;
    point.rawText = texts.rawText;
  }

  std::string acLine_;  // the line that opens the next record
  RecordTexts texts_;
};

}  // namespace

std::unique_ptr<PointReader> MakeSdmsReader(const Detection& detection) {
  return std::make_unique<SdmsReader>(detection);
}

}  // namespace velkora
