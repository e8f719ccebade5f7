// Format detection: the layout of a coordinate file from its first significant line.
#include "engine/input/FormatDetection.h"

#include "engine/input/ColumnHeader.h"
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

namespace {

// The next line that is neither empty nor a "$" comment; false at the end of the input.
bool ReadSignificantLine(LineInput& input, std::string& line) {
  while (input.ReadLine(line)) {
    if (!line.empty() && line.front() != '$') {
      return true;
    }
  }
  return false;
}

bool IsDelimited(InputLayout layout) {
  return layout == InputLayout::kCommaDelimited || layout == InputLayout::kGeopakDelimited;
}

}  // namespace

Detection DetectFormat(const std::string& path) {
  LineInput input;
  if (!input.Open(path)) {
    return {InputLayout::kCannotOpen};
  }
  std::string line;
  ReadSignificantLine(input, line);
  const std::optional<ColumnOrder> headerOrder = HeaderColumnOrder(line);
  if (!headerOrder) {
    return ClassifyFirstLine(line);
  }
  // A file of nothing but its header is classified by the header, as a line of words.
  std::string firstPoint;
  Detection detection =
      ClassifyFirstLine(ReadSignificantLine(input, firstPoint) ? firstPoint : line);
  if (IsDelimited(detection.layout)) {
    detection.headerOrder = headerOrder;
  }
  return detection;
}

ColumnOrder SharedColumnOrder(const std::vector<std::string>& paths, ColumnOrder chosen) {
  std::optional<ColumnOrder> shared;
  for (const std::string& path : paths) {
    const Detection detection = DetectFormat(path);
    if (!IsDelimited(detection.layout)) {
      continue;
    }
    const ColumnOrder order = detection.headerOrder.value_or(chosen);
    if (shared && *shared != order) {
      return chosen;
    }
    shared = order;
  }
  return shared.value_or(chosen);
}

}  // namespace velkora
