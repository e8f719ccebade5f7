// Engine values as the case files write them.
#pragma once

#include <charconv>
#include <string>

#include "engine/input/FormatDetection.h"

namespace velkora::testing {

// The shortest text that reads back to the same double: a case pins a value to the last bit.
inline std::string ShortestText(double value) {
  char text[64];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// The layout code as velkora-cli detect prints it, with the separator of a Geopak-delimited
// file ("1;", "1/").
inline std::string LayoutText(const Detection& detection) {
  const std::string code = std::to_string(static_cast<int>(detection.layout));
  return detection.layout == InputLayout::kGeopakDelimited ? code + detection.delimiter : code;
}

}  // namespace velkora::testing
