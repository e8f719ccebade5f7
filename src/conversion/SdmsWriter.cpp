// Writer of "SDMS Points": one record of tagged lines per point.
#include "conversion/SdmsWriter.h"

#include <string_view>

#include "conversion/OutputLine.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

void AppendCoordinateLine(std::string& lines, std::string_view tag, double value,
                          std::uint8_t places) {
  lines += tag;
  AppendRounded(lines, value, places);
  lines += kLineEnd;
}

void AppendTextLine(std::string& lines, std::string_view tag, std::string_view value) {
  lines += tag;
  lines += value;
  lines += kLineEnd;
}

// Every item of the input record in order; the two coordinate items of either spelling come
// out as "XC:" and "YC:" with the new values.
void PassRecordThrough(SessionState& session, std::string& lines) {
  const PointRecord& point = session.point;
  std::string_view rest = point.rawText;
  while (!rest.empty()) {
    const std::size_t end = rest.find(kSdmsItemEnd);
    const std::string_view item = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const std::string_view tag = item.substr(0, 3);
    if (tag == "XC:" || tag == "XX:") {
      AppendCoordinateLine(lines, "XC:", point.newX, session.outputDecimals);
    } else if (tag == "YC:" || tag == "YY:") {
      AppendCoordinateLine(lines, "YC:", point.newY, session.outputDecimals);
    } else {
      AppendTextLine(lines, item, "");
    }
  }
}

void BuildRecord(SessionState& session, std::string& lines) {
  const PointRecord& point = session.point;
  lines += "AC:SS";
  lines += kLineEnd;
  AppendTextLine(lines, "PN:", point.pointNum);
  AppendCoordinateLine(lines, "XC:", point.newX, session.outputDecimals);
  AppendCoordinateLine(lines, "YC:", point.newY, session.outputDecimals);
  if (!IsElevationSuppressed(session)) {
    AppendCoordinateLine(lines, "ZC:", point.elev, session.outputDecimals);
  }
  if (!point.feature.empty()) {
    AppendTextLine(lines, "FE:", point.feature);
  }
  if (!point.description.empty()) {
    AppendTextLine(lines, "PD:", point.description);
  }
}

}  // namespace

void WriteSdms(SessionState& session) {
  std::string& lines = session.msgText;
  lines.clear();
  if (session.inFormat == format::kSdms) {
    PassRecordThrough(session, lines);
  } else {
    BuildRecord(session, lines);
  }
  WriteLines(session, lines);
}

}  // namespace velkora
