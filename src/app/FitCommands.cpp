// The fitted factors put into the main window's boxes.
#include "app/FitCommands.h"

#include "app/FactorCommands.h"
#include "engine/text/NumberText.h"

namespace velkora {

ControlPointText FittedPivotOf(const std::vector<ControlPair>& pairs, const ControlFit& fit) {
  return {pairs.empty() ? "" : pairs[0].sourceNumber, GeneralForm(fit.sourcePivotX),
          GeneralForm(fit.sourcePivotY), ""};
}

FittedFactors FittedFactorsOf(const std::vector<ControlPair>& pairs, const ControlFit& fit) {
  const ControlPointText pivot = FittedPivotOf(pairs, fit);
  return {FormatResidualTable(pairs, fit), pivot.x, pivot.y, fit.texts};
}

void UseFitFactors(Session& session, MainForm& form, const std::vector<ControlPair>& pairs,
                   const ControlFit& fit) {
  const ControlPointText pivot = FittedPivotOf(pairs, fit);
  form.SPPN.text = pivot.number;
  form.SPPD = pivot.description;
  form.SPPX.text = pivot.x;
  form.SPPY.text = pivot.y;
  ShowFactorTexts(form, fit.texts);
  session.fittedFactors = FittedFactorsOf(pairs, fit);
}

}  // namespace velkora
