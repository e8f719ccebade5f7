// A control point as its boxes hold it: the texts typed or filled in, not yet read as numbers.
#pragma once

#include <array>
#include <string>

namespace velkora {

struct ControlPointText {
  std::string number;
  std::string x;
  std::string y;
  std::string description;

  bool operator==(const ControlPointText&) const = default;
};

// Source pivot, source reference, destination pivot, destination reference.
using ControlPointTexts = std::array<ControlPointText, 4>;

}  // namespace velkora
