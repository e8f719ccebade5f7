// How a run writes its points: the layout, the Geopak description separator, the column order of
// the delimited layouts, the decimals, whether zero elevations are left out and the run's
// vertical shift.
#pragma once

#include <cstdint>

#include "engine/points/ColumnOrder.h"
#include "engine/points/Decimals.h"
#include "engine/points/Layouts.h"

namespace velkora {

struct OutputSettings {
  OutputLayout layout = OutputLayout::kCommaDelimited;
  char delimiter = ';';                     // between feature and description in "Geopak Delimited"
  ColumnOrder order = kDefaultColumnOrder;  // of "Comma-Delimited" and "Geopak Delimited"
  std::uint8_t decimals = kOutputDecimals;
  bool suppressZeroElevations = true;
  // The run's vertical shift, for the records a writer copies from their source (SDMS to SDMS,
  // 80-column to 80-column): their elevation texts are shifted too.
  double deltaZ = 0;
};

}  // namespace velkora
