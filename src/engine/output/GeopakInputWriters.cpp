// Writers of Geopak coordinate-geometry "STO POI" commands, northing/easting or X/Y order.
#include "engine/output/GeopakInputWriters.h"

#include "engine/text/NumberText.h"

namespace velkora {
namespace {

// The two forms differ only in the labels and the order of the first two coordinates.
class GeopakInputWriter : public PointWriter {
 public:
  GeopakInputWriter(const OutputSettings& settings, GeopakInputOrder order)
      : PointWriter(settings), order_(order) {}

  void Write(const PointRecord& point, InputLayout, TextBuffer& out) override {
    char* at = out.Room(point.pointNum.size() + point.feature.size() + point.description.size() +
                        3 * kRoundedTextCapacity + 48);
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
      at = PutText(at, point.description);
      *at++ = '"';
    }
    out.Commit(PutLineEnd(at));
  }

 private:
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
