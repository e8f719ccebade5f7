// Writers of Geopak coordinate-geometry "STO POI" commands, northing/easting or X/Y order.
#include "conversion/GeopakInputWriters.h"

#include <string_view>

#include "conversion/OutputLine.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

// The two forms differ only in the labels and the order of the first two coordinates.
void WriteStorePoint(SessionState& session, std::string_view firstLabel, double first,
                     std::string_view secondLabel, double second) {
  const PointRecord& point = session.point;
  std::string& line = session.msgText;
  line.assign("STO POI ");
  line += point.pointNum;
  line += firstLabel;
  AppendRounded(line, first, session.outputDecimals);
  line += secondLabel;
  AppendRounded(line, second, session.outputDecimals);
  if (!IsElevationSuppressed(session)) {
    line += "  EL ";
    AppendRounded(line, point.elev, session.outputDecimals);
  }
  if (!point.feature.empty()) {
    line += "  FEA ";
    line += point.feature;
  }
  if (!point.description.empty()) {
    line += "  DES \"";
    line += point.description;
    line += '"';
  }
  line += kLineEnd;
  WriteLines(session, line);
}

}  // namespace

void WriteGeopakInputNE(SessionState& session) {
  WriteStorePoint(session, "  N ", session.point.newY, "  E ", session.point.newX);
}

void WriteGeopakInputXY(SessionState& session) {
  WriteStorePoint(session, "  X ", session.point.newX, "  Y ", session.point.newY);
}

}  // namespace velkora
