// Format detection: the layout of a coordinate file from its first significant line.
#include "input/FormatDetection.h"

#include "input/LineText.h"
#include "session/TextColumns.h"

namespace velkora {

FileFormat ClassifyFirstLine(std::string_view line, char& delimiter) {
  if (line.empty() || CharAt(line, 1) == '$') {
    return format::kUnrecognized;
  }
  if (CharAt(line, 3) == ':') {
    return format::kSdms;
  }
  if (ContainsIgnoringCase(line, "Copyright")) {
    return format::kCoordinateListing;
  }
  const bool hasComma = line.find(',') != std::string_view::npos;
  if (hasComma && line.find(';') != std::string_view::npos) {
    delimiter = ';';
    return format::kGeopakDelimited;
  }
  if (hasComma && line.find('/') != std::string_view::npos) {
    delimiter = '/';
    return format::kGeopakDelimited;
  }
  if (hasComma) {
    return format::kCommaDelimited;
  }
  if (line.size() >= 80 && CharAt(line, 42) == '.') {
    return CharAt(line, 16) == '+' && CharAt(line, 19) == '.' ? format::kEightyColumnPlus
                                                              : format::kEightyColumn;
  }
  return format::kUnrecognized;
}

void DetectFormat(SessionState& session) {
  if (!session.inFile.Open(session.curFileName)) {
    session.inFormat = format::kCannotOpen;
    return;
  }
  session.lineBuf.clear();
  while (session.inFile.ReadLine(session.lineBuf)) {
    if (!session.lineBuf.empty() && session.lineBuf.front() != '$') {
      break;
    }
  }
  session.inFile.Close();
  session.inFormat = ClassifyFirstLine(session.lineBuf, session.inDelim);
}

}  // namespace velkora
