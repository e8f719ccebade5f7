// The factor boxes printed by factors and fit.
#include "cli/FactorBoxes.h"

namespace velkora::cli {

std::string FactorBoxLines(const FactorTexts& factors) {
  return "dX=" + factors.dx + "\ndY=" + factors.dy + "\nangle=" + factors.angle +
         "\nscale=" + factors.scale + "\n";
}

}  // namespace velkora::cli
