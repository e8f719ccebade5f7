// Format detection: the layout of a coordinate file from its first significant line.
#include "engine/input/FormatDetection.h"

#include "engine/input/LineInput.h"
#include "engine/text/LineText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

Detection ClassifyFirstLine(std::string_view line) {
  if (line.empty() || CharAt(line, 1) == '$') {
    return {InputLayout::kUnrecognized};
  }
  if (CharAt(line, 3) == ':') {
    return {InputLayout::kSdms};
  }
  if (ContainsIgnoringCase(line, "Copyright")) {
    return {InputLayout::kCoordinateListing};
  }
  const bool hasComma = line.find(',') != std::string_view::npos;
  if (hasComma && line.find(';') != std::string_view::npos) {
    return {InputLayout::kGeopakDelimited, ';'};
  }
  if (hasComma && line.find('/') != std::string_view::npos) {
    return {InputLayout::kGeopakDelimited, '/'};
  }
  if (hasComma) {
    return {InputLayout::kCommaDelimited};
  }
  if (line.size() >= 80 && CharAt(line, 42) == '.') {
    return {CharAt(line, 16) == '+' && CharAt(line, 19) == '.' ? InputLayout::kEightyColumnPlus
                                                               : InputLayout::kEightyColumn};
  }
  return {InputLayout::kUnrecognized};
}

Detection DetectFormat(const std::string& path) {
  LineInput input;
  if (!input.Open(path)) {
    return {InputLayout::kCannotOpen};
  }
  std::string line;
  while (input.ReadLine(line)) {
    if (!line.empty() && line.front() != '$') {
      break;
    }
  }
  return ClassifyFirstLine(line);
}

}  // namespace velkora
