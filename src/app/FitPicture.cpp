// Mapping ground points onto a picture, round scale bars, and the fit picture's layout.
#include "app/FitPicture.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/text/NumberText.h"

namespace velkora {

namespace {

// m times ten to the power e, as the nearest double to the decimal value.
double RoundValue(double mantissa, int exponent) {
  return exponent >= 0 ? mantissa * std::pow(10.0, exponent) : mantissa / std::pow(10.0, -exponent);
}

}  // namespace

void GroundBox::Include(double x, double y) {
  if (empty) {
    minX = maxX = x;
    minY = maxY = y;
    empty = false;
    return;
  }
  minX = std::min(minX, x);
  maxX = std::max(maxX, x);
  minY = std::min(minY, y);
  maxY = std::max(maxY, y);
}

ScreenPoint PictureMapping::ToScreen(double x, double y) const {
  // Screen rows grow downwards, northings upwards.
  return {screenCentreX + (x - centreX) * pixelsPerUnit,
          screenCentreY - (y - centreY) * pixelsPerUnit};
}

PictureMapping MapGroundBox(const GroundBox& box, double left, double top, double width,
                            double height) {
  PictureMapping mapping;
  mapping.screenCentreX = left + width / 2;
  mapping.screenCentreY = top + height / 2;
  if (box.empty) {
    return mapping;
  }
  mapping.centreX = (box.minX + box.maxX) / 2;
  mapping.centreY = (box.minY + box.maxY) / 2;
  const double extentX = box.maxX - box.minX;
  const double extentY = box.maxY - box.minY;
  if (extentX > 0 && extentY > 0) {
    mapping.pixelsPerUnit = std::min(width / extentX, height / extentY);
  } else if (extentX > 0) {
    mapping.pixelsPerUnit = width / extentX;
  } else if (extentY > 0) {
    mapping.pixelsPerUnit = height / extentY;
  }
  return mapping;
}

double RoundLengthBelow(double limit) {
  if (!(limit > 0) || !std::isfinite(limit)) {
    return 0;
  }
  // The decade above is tried too, in case the logarithm of an exact power of ten comes out
  // a hair low.
  const int exponent = static_cast<int>(std::floor(std::log10(limit)));
  for (int e = exponent + 1; e >= exponent - 1; --e) {
    for (double mantissa : {5.0, 2.0, 1.0}) {
      const double value = RoundValue(mantissa, e);
      if (value <= limit) {
        return value;
      }
    }
  }
  return RoundValue(1, exponent - 1);
}

ScaleBar MakeScaleBar(double pixelsPerUnit, double maxPixels) {
  ScaleBar bar;
  if (!(pixelsPerUnit > 0) || !(maxPixels > 0) || !std::isfinite(maxPixels / pixelsPerUnit)) {
    return bar;
  }
  bar.length = RoundLengthBelow(maxPixels / pixelsPerUnit);
  bar.pixels = bar.length * pixelsPerUnit;
  bar.caption = GeneralForm(bar.length);
  return bar;
}

double ResidualMagnification(double largestResidual, double pixelsPerUnit, double pictureSize) {
  const double wanted = pictureSize / 10 / (largestResidual * pixelsPerUnit);
  if (!(largestResidual > 0) || !(pixelsPerUnit > 0) || !(wanted > 0) || !std::isfinite(wanted)) {
    return 0;
  }
  return RoundLengthBelow(wanted);
}

FitPictureLayout LayOutFitPicture(const std::vector<ControlPair>& pairs, const ControlFit& fit,
                                  double width, double height, double margin, double legendHeight) {
  const std::size_t count = std::min(pairs.size(), fit.residuals.size());
  GroundBox box;
  box.Include(fit.destPivotX, fit.destPivotY);
  double largestResidual = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const ControlPair& pair = pairs[i];
    const PairResidual& residual = fit.residuals[i];
    box.Include(pair.destX, pair.destY);
    box.Include(pair.destX + residual.dx, pair.destY + residual.dy);
    largestResidual = std::max(largestResidual, residual.length);
  }

  const double areaWidth = std::max(1.0, width - 2 * margin);
  const double areaHeight = std::max(1.0, height - 2 * margin - legendHeight);
  const PictureMapping mapping = MapGroundBox(box, margin, margin, areaWidth, areaHeight);

  FitPictureLayout layout;
  layout.magnification = ResidualMagnification(largestResidual, mapping.pixelsPerUnit,
                                               std::min(areaWidth, areaHeight));
  layout.pivot = mapping.ToScreen(fit.destPivotX, fit.destPivotY);
  for (std::size_t i = 0; i < count; ++i) {
    const ControlPair& pair = pairs[i];
    const PairResidual& residual = fit.residuals[i];
    PictureControlPair drawn;
    drawn.label = !pair.destNumber.empty()     ? pair.destNumber
                  : !pair.sourceNumber.empty() ? pair.sourceNumber
                                               : std::to_string(i + 1);
    drawn.destination = mapping.ToScreen(pair.destX, pair.destY);
    drawn.fittedSource = mapping.ToScreen(pair.destX + residual.dx, pair.destY + residual.dy);
    drawn.residualTip = mapping.ToScreen(pair.destX + residual.dx * layout.magnification,
                                         pair.destY + residual.dy * layout.magnification);
    drawn.flagged = residual.flagged;
    layout.pairs.push_back(drawn);
  }
  layout.groundBar = MakeScaleBar(mapping.pixelsPerUnit, width / 4);
  if (layout.magnification > 0) {
    layout.residualBar = MakeScaleBar(mapping.pixelsPerUnit * layout.magnification, width / 4);
  }
  return layout;
}

}  // namespace velkora
