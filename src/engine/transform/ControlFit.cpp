// The least-squares similarity fit over control pairs, its residuals, and the box texts that
// make a run reproduce it.
#include "engine/transform/ControlFit.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "engine/points/Decimals.h"
#include "engine/text/AngleText.h"
#include "engine/text/NumberText.h"
#include "engine/transform/ControlFactors.h"

namespace velkora {
namespace {

// A residual that prints as zero at four decimals is never flagged.
constexpr double kSmallestFlaggedLength = 0.00005;

// X' = a u + b v, Y' = -b u + a v about the centroids, with a = scale cos(rotation) and
// b = scale sin(rotation), rotation clockwise.
struct Similarity {
  double sourceCentreX = 0, sourceCentreY = 0;
  double destCentreX = 0, destCentreY = 0;
  double a = 0, b = 0;

  double ImageX(double x, double y) const {
    return destCentreX + a * (x - sourceCentreX) + b * (y - sourceCentreY);
  }
  double ImageY(double x, double y) const {
    return destCentreY - b * (x - sourceCentreX) + a * (y - sourceCentreY);
  }
};

// The closed-form solution over every pair but `left_out` (none when it is out of range).
// Centring first keeps coordinates in the millions from swamping the sums.
std::optional<Similarity> SolveSimilarity(const std::vector<ControlPair>& pairs,
                                          std::size_t leftOut) {
  Similarity fit;
  double count = 0;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (i == leftOut) {
      continue;
    }
    fit.sourceCentreX += pairs[i].sourceX;
    fit.sourceCentreY += pairs[i].sourceY;
    fit.destCentreX += pairs[i].destX;
    fit.destCentreY += pairs[i].destY;
    ++count;
  }
  fit.sourceCentreX /= count;
  fit.sourceCentreY /= count;
  fit.destCentreX /= count;
  fit.destCentreY /= count;

  double sourceSpread = 0, along = 0, across = 0;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (i == leftOut) {
      continue;
    }
    const double u = pairs[i].sourceX - fit.sourceCentreX;
    const double v = pairs[i].sourceY - fit.sourceCentreY;
    const double du = pairs[i].destX - fit.destCentreX;
    const double dv = pairs[i].destY - fit.destCentreY;
    sourceSpread += u * u + v * v;
    along += u * du + v * dv;
    across += v * du - u * dv;
  }
  if (!(sourceSpread > 0)) {
    return std::nullopt;
  }
  fit.a = along / sourceSpread;
  fit.b = across / sourceSpread;
  return fit;
}

double ResidualLength(const Similarity& fit, const ControlPair& pair) {
  return std::hypot(fit.ImageX(pair.sourceX, pair.sourceY) - pair.destX,
                    fit.ImageY(pair.sourceX, pair.sourceY) - pair.destY);
}

// The RMS of the residuals of a fit made without pair `leftOut`; none when those pairs
// cannot be fitted.
std::optional<double> RmsWithout(const std::vector<ControlPair>& pairs, std::size_t leftOut) {
  const std::optional<Similarity> fit = SolveSimilarity(pairs, leftOut);
  if (!fit) {
    return std::nullopt;
  }
  double sum = 0;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (i != leftOut) {
      const double length = ResidualLength(*fit, pairs[i]);
      sum += length * length;
    }
  }
  return std::sqrt(sum / static_cast<double>(pairs.size() - 1));
}

// A pair's residual is partly absorbed by the fit it disturbs, so it is measured against the
// RMS of the others fitted without it: against the overall RMS no residual of fewer than ten
// pairs could ever reach three times it.
void FlagResiduals(const std::vector<ControlPair>& pairs, ControlFit& fit) {
  if (pairs.size() < kFewestPairsToFlag) {
    return;
  }
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    PairResidual& residual = fit.residuals[i];
    if (residual.length < kSmallestFlaggedLength) {
      continue;
    }
    const std::optional<double> othersRms = RmsWithout(pairs, i);
    residual.flagged = othersRms && residual.length > 3 * *othersRms;
  }
}

// A point as Calculate reads it back from boxes that show it in the general form.
PlanePoint AsTyped(double x, double y) {
  return {ReadNumber(GeneralForm(x)), ReadNumber(GeneralForm(y))};
}

// Two pairs are fitted exactly, so their texts are Calculate's on the same four points, to the
// last digit. Otherwise, and where Calculate leaves a box empty (coordinates of 0 or less),
// the texts are the fitted values in the forms Calculate writes them.
void FillBoxTexts(const std::vector<ControlPair>& pairs, ControlFit& fit) {
  FactorTexts calculated;
  if (pairs.size() == 2) {
    calculated = ComputeFactorTexts(
        {AsTyped(pairs[0].sourceX, pairs[0].sourceY), AsTyped(pairs[1].sourceX, pairs[1].sourceY),
         AsTyped(pairs[0].destX, pairs[0].destY), AsTyped(pairs[1].destX, pairs[1].destY)});
  }
  FactorTexts& texts = fit.texts;
  texts.dx = calculated.dx.empty()
                 ? FormatRounded(fit.destPivotX - fit.sourcePivotX, kControlDecimals)
                 : calculated.dx;
  texts.dy = calculated.dy.empty()
                 ? FormatRounded(fit.destPivotY - fit.sourcePivotY, kControlDecimals)
                 : calculated.dy;
  texts.angle = calculated.angle.empty() ? FormatAngle(fit.rotation).display : calculated.angle;
  texts.scale = calculated.scale.empty() ? GeneralForm(fit.scale) : calculated.scale;
}

}  // namespace

FitOutcome FitControlPairs(const std::vector<ControlPair>& pairs) {
  if (pairs.size() < 2) {
    return {std::nullopt, "A fit needs at least two control pairs."};
  }
  for (const ControlPair& pair : pairs) {
    if (!std::isfinite(pair.sourceX) || !std::isfinite(pair.sourceY) ||
        !std::isfinite(pair.destX) || !std::isfinite(pair.destY)) {
      return {std::nullopt, "A control pair holds a coordinate that is not a number."};
    }
  }
  const std::optional<Similarity> similarity =
      SolveSimilarity(pairs, std::numeric_limits<std::size_t>::max());
  if (!similarity) {
    return {std::nullopt, "The source points of the control pairs all lie at one place."};
  }
  ControlFit fit;
  fit.scale = std::hypot(similarity->a, similarity->b);
  if (!(fit.scale > 0) || !std::isfinite(fit.scale)) {
    return {std::nullopt, "The destination points of the control pairs give a scale of zero."};
  }
  fit.rotation = std::atan2(similarity->b, similarity->a);
  fit.sourcePivotX = pairs[0].sourceX;
  fit.sourcePivotY = pairs[0].sourceY;
  fit.destPivotX = similarity->ImageX(fit.sourcePivotX, fit.sourcePivotY);
  fit.destPivotY = similarity->ImageY(fit.sourcePivotX, fit.sourcePivotY);

  double sum = 0;
  for (const ControlPair& pair : pairs) {
    PairResidual residual;
    residual.dx = similarity->ImageX(pair.sourceX, pair.sourceY) - pair.destX;
    residual.dy = similarity->ImageY(pair.sourceX, pair.sourceY) - pair.destY;
    residual.length = std::hypot(residual.dx, residual.dy);
    sum += residual.length * residual.length;
    fit.residuals.push_back(residual);
  }
  fit.rms = std::sqrt(sum / static_cast<double>(pairs.size()));
  FlagResiduals(pairs, fit);
  FillBoxTexts(pairs, fit);
  return {std::move(fit), ""};
}

}  // namespace velkora
