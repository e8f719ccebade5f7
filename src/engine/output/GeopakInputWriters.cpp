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

  void Write(const PointRecord& point, InputLayout, std::string& out) override {
    out += "STO POI ";
    out += point.pointNum;
    if (order_ == GeopakInputOrder::kNorthingEasting) {
      AppendCoordinate("  N ", point.newY, out);
      AppendCoordinate("  E ", point.newX, out);
    } else {
      AppendCoordinate("  X ", point.newX, out);
      AppendCoordinate("  Y ", point.newY, out);
    }
    if (!IsElevationSuppressed(point)) {
      AppendCoordinate("  EL ", point.elev, out);
    }
    if (!point.feature.empty()) {
      out += "  FEA ";
      out += point.feature;
    }
    if (!point.description.empty()) {
      out += "  DES \"";
      AppendDescription(point.description, out);
      out += '"';
    }
    out += kLineEnd;
  }

 private:
  // A double quote would end the string early: it is written as two apostrophes, which read as
  // the inch mark that such quotes stand for in survey descriptions (12" PIPE, 12'' PIPE).
  static void AppendDescription(std::string_view description, std::string& out) {
    for (std::size_t quote = description.find('"'); quote != std::string_view::npos;
         quote = description.find('"')) {
      out.append(description.substr(0, quote));
      out += "''";
      description.remove_prefix(quote + 1);
    }
    out.append(description);
  }

  void AppendCoordinate(const char* label, double value, std::string& out) const {
    out += label;
    AppendRounded(out, value, settings_.decimals);
  }

  GeopakInputOrder order_;
};

}  // namespace

std::unique_ptr<PointWriter> MakeGeopakInputWriter(const OutputSettings& settings,
                                                   GeopakInputOrder order) {
  return std::make_unique<GeopakInputWriter>(settings, order);
}

}  // namespace velkora
