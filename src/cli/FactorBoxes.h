// The four factor boxes as velkora-cli prints them, one "name=text" line each.
#pragma once

#include <string>

#include "engine/transform/ControlFactors.h"

namespace velkora::cli {

// "dX=", "dY=", "angle=" and "scale=", each followed by its box's text and a line feed.
std::string FactorBoxLines(const FactorTexts& factors);

}  // namespace velkora::cli
