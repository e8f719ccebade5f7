// Writer of "SDMS Points": one record of tagged lines per point.
#include "engine/output/SdmsWriter.h"

#include <string_view>

#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"
#include "engine/transform/TransformFactors.h"

namespace velkora {
namespace {

void AppendTextLine(TextBuffer& lines, std::string_view tag, std::string_view value) {
  char* const at = lines.Room(tag.size() + value.size() + kLineEnd.size());
  lines.Commit(PutLineEnd(PutText(PutText(at, tag), value)));
}

// "XC:" or "XX:" for `axis` 'X', "YC:" or "YY:" for 'Y'.
bool IsCoordinateItem(std::string_view item, char axis) {
  return item.size() >= 3 && item[0] == axis && (item[1] == 'C' || item[1] == axis) &&
         item[2] == ':';
}

class SdmsWriter : public PointWriter {
 public:
  using PointWriter::PointWriter;

  void Write(const PointRecord& point, InputLayout source, TextBuffer& out) override {
    if (source == InputLayout::kSdms) {
      PassRecordThrough(point, out);
    } else {
      BuildRecord(point, out);
    }
  }

 private:
  void AppendCoordinateLine(TextBuffer& lines, std::string_view tag, double value) const {
    char* const at = lines.Room(tag.size() + kRoundedTextCapacity + kLineEnd.size());
    lines.Commit(PutLineEnd(WriteNumber(PutText(at, tag), value)));
  }

  // Every item of the input record in order; the two coordinate items of either spelling come
  // out as "XC:" and "YC:" with the new values.
  void PassRecordThrough(const PointRecord& point, TextBuffer& lines) const {
    std::string_view rest = point.rawText;
    while (!rest.empty()) {
      const std::size_t end = rest.find(kSdmsItemEnd);
      const std::string_view item = rest.substr(0, end);
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
      if (IsCoordinateItem(item, 'X')) {
        AppendCoordinateLine(lines, "XC:", point.newX);
      } else if (IsCoordinateItem(item, 'Y')) {
        AppendCoordinateLine(lines, "YC:", point.newY);
      } else if (const double elevation = ElevationOf(item); elevation != 0) {
        AppendCoordinateLine(lines, item.substr(0, 3), ShiftElevation(elevation, settings_.deltaZ));
      } else {
        AppendTextLine(lines, item, "");
      }
    }
  }

  // Under a vertical shift, the value of an elevation item as the reader takes one (code "ZC"
  // or "ZZ", value from column 4): each is shifted on its own, so that the record reads back
  // to the shifted elevation by the reader's own rules. 0 otherwise, which keeps the item.
  double ElevationOf(std::string_view item) const {
    if (settings_.deltaZ == 0) {
      return 0;
    }
    const std::string_view code = Left(item, 2);
    if (code != "ZC" && code != "ZZ") {
      return 0;
    }
    return ReadNumber(ColumnsFrom(item, 4));
  }

  void BuildRecord(const PointRecord& point, TextBuffer& lines) const {
    AppendTextLine(lines, "AC:SS", "");
    AppendTextLine(lines, "PN:", point.pointNum);
    AppendCoordinateLine(lines, "XC:", point.newX);
    AppendCoordinateLine(lines, "YC:", point.newY);
    if (!IsElevationSuppressed(point)) {
      AppendCoordinateLine(lines, "ZC:", point.elev);
    }
    if (!point.feature.empty()) {
      AppendTextLine(lines, "FE:", point.feature);
    }
    if (!point.description.empty()) {
      AppendTextLine(lines, "PD:", point.description);
    }
  }
};

}  // namespace

std::unique_ptr<PointWriter> MakeSdmsWriter(const OutputSettings& settings) {
  return std::make_unique<SdmsWriter>(settings);
}

}  // namespace velkora
