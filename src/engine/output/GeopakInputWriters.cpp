// Writers of Geopak coordinate-geometry "STO POI" commands, northing/easting or X/Y order.
#include "engine/output/GeopakInputWriters.h"

#include <string_view>

#include "engine/text/NumberText.h"

namespace velkora {
namespace {

// The two forms differ only in the labels and the order of the first two coordinates.
class GeopakInputWriter : public PointWriter {
 public:
  GeopakInputWriter(const OutputSettings& settings, GeopakInputOrder order)
      : PointWriter(settings), order_(order) {}

  void Write(const PointRecord& point, InputLayout, TextBuffer& out) override {
    char* at = out.Room(point.pointNum.size() + point.feature.size() +
                        2 * point.description.size() + 3 * kRoundedTextCapacity + 48);
    at = PutText(at, "STO POI ");
    at = PutText(at, point.pointNum);
    if (order_ == GeopakInputOrder::kNorthingEasting) {
      at = PutCoordinate(at, "  N ", point.newY);
      at = PutCoordinate(at, "  E ", point.newX);
    } else {
      at = PutCoordinate(at, "  X ", point.newX);
      at = PutCoordinate(at, "  Y ", point.newY);
    }
    if (!IsElevationSuppressed(point)) {
      at = PutCoordinate(at, "  EL ", point.elev);
    }
    if (!point.feature.empty()) {
      at = PutText(at, "  FEA ");
      at = PutText(at, point.feature);
    }
    if (!point.description.empty()) {
      at = PutText(at, "  DES \"");
      at = PutDescription(at, point.description);
      *at++ = '"';
    }
    out.Commit(PutLineEnd(at));
  }

 private:
  // A double quote would end the string early: it is written as two apostrophes, which read as
  // the inch mark that such quotes stand for in survey descriptions (12" PIPE, 12'' PIPE).
  static char* PutDescription(char* at, std::string_view description) {
    for (const char c : description) {
      if (c == '"') {
        *at++ = '\'';
        *at++ = '\'';
      } else {
        *at++ = c;
      }
    }
    return at;
  }

  char* PutCoordinate(char* at, std::string_view label, double value) const {
    return WriteNumber(PutText(at, label), value);
  }

  GeopakInputOrder order_;
};

}  // namespace

std::unique_ptr<PointWriter> MakeGeopakInputWriter(const OutputSettings& settings,
                                                   GeopakInputOrder order) {
  return std::make_unique<GeopakInputWriter>(settings, order);
}

}  // namespace velkora
