// The four factor boxes as velkora-cli prints them, one "name=text" line each.
#pragma once

#include <string>

#include "session/MainForm.h"

namespace velkora::cli {

// "dX=", "dY=", "angle=" and "scale=", each followed by its box's text and a line feed.
std::string FactorBoxLines(const MainForm& form);

}  // namespace velkora::cli
