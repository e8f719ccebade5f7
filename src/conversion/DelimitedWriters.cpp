// Writers of the comma-separated layouts: "Comma-Delimited" and "Geopak Delimited ;" or "/".
#include "conversion/DelimitedWriters.h"

#include "conversion/OutputLine.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

// Name, X and Y, each followed by a comma, then the elevation unless suppressed.
void StartDelimitedLine(SessionState& session, std::string& line) {
  const PointRecord& point = session.point;
  line.assign(point.pointNum);
  line += ',';
  AppendRounded(line, point.newX, session.outputDecimals);
  line += ',';
  AppendRounded(line, point.newY, session.outputDecimals);
  line += ',';
  if (!IsElevationSuppressed(session)) {
    AppendRounded(line, point.elev, session.outputDecimals);
  }
}

}  // namespace

void WriteCommaDelimited(SessionState& session) {
  const PointRecord& point = session.point;
  std::string& line = session.msgText;
  StartDelimitedLine(session, line);
  line += ',';
  line += point.description;
  line += ',';
  line += point.feature;
  if (session.inFormat == format::kCommaDelimited && !point.rawText.empty()) {
    line += ',';
    line += point.rawText;
  }
  while (!line.empty() && line.back() == ',') {
    line.pop_back();
  }
  line += kLineEnd;
  WriteLines(session, line);
}

void WriteGeopakDelimited(SessionState& session) {
  const PointRecord& point = session.point;
  std::string& line = session.msgText;
  StartDelimitedLine(session, line);
  if (!point.feature.empty()) {
    line += ',';
    line += point.feature;
    if (!point.description.empty()) {
      line += session.outDelim;
      line += point.description;
    }
  } else if (!point.description.empty()) {
    line += session.outDelim;
    line += point.description;
  } else {
    line += ',';
    line += session.outDelim;
  }
  line += kLineEnd;
  WriteLines(session, line);
}

}  // namespace velkora
