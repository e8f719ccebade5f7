// The factor boxes printed by factors and fit.
#include "cli/FactorBoxes.h"

namespace velkora::cli {

std::string FactorBoxLines(const MainForm& form) {
  return "dX=" + form.txtDX.text + "\ndY=" + form.txtDY.text + "\nangle=" + form.txtDR.text +
         "\nscale=" + form.txtDS.text + "\n";
}

}  // namespace velkora::cli
