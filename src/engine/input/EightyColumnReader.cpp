// The 80-column reader: fields cut from fixed columns, each on its own.
#include "engine/input/EightyColumnReader.h"

#include <algorithm>

#include "engine/input/LinePointReader.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

std::string_view TrimmedColumns(std::string_view line, std::size_t first, std::size_t last) {
  return Trim(Columns(line, first, last));
}

class EightyColumnReader : public LinePointReader {
 public:
  explicit EightyColumnReader(const Detection& detection) : LinePointReader(detection, true) {}

  std::unique_ptr<PointReader> CopyForChunk() const override {
    return std::make_unique<EightyColumnReader>(detection_);
  }

 private:
  void TakeFields(std::string_view line) override {
    PointRecord& point = point_;
    // Leading zeros are padding, so that 0012 is point 12; a number of only zeros and blanks
    // is no number at all.
    std::string_view number = Trim(Columns(line, 1, 4));
    if (number.find_first_not_of("0 ") == std::string_view::npos) {
      number = {};
    }
    number.remove_prefix(std::min(number.find_first_not_of('0'), number.size()));
    point.pointNum = number;
    point.description = TrimmedColumns(line, 5, 34);
    point.x = ReadNumber(Columns(line, 35, 45));
    point.y = ReadNumber(Columns(line, 46, 56));
    point.elev = ReadNumber(Columns(line, 58, 65));
    if (detection_.layout == InputLayout::kEightyColumnPlus) {
      point.feature = TrimmedColumns(line, 56, 59);
    } else {
      point.feature = TrimmedColumns(line, 67, 69);
    }
    point.rawText = line;
  }
};

}  // namespace

std::unique_ptr<PointReader> MakeEightyColumnReader(const Detection& detection) {
  return std::make_unique<EightyColumnReader>(detection);
}

}  // namespace velkora
