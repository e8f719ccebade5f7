// The least-squares similarity fit over many control pairs: the four factors in the factor
// boxes' conventions, the residual of each pair and their table for the report.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/points/ColumnOrder.h"
#include "engine/transform/ControlFactors.h"
#include "engine/transform/ReferenceList.h"

namespace velkora {

// Flagging starts at this many pairs: each pair is judged against a fit of the others, which
// needs redundancy of its own.
inline constexpr std::size_t kFewestPairsToFlag = 4;

// One control point as measured in the source system and as known in the destination system.
struct ControlPair {
  std::string sourceNumber;  // point numbers when looked up in the reference file, else empty
  std::string destNumber;
  double sourceX = 0, sourceY = 0, destX = 0, destY = 0;
};

struct PairResidual {
  double dx = 0, dy = 0;  // fitted destination minus given destination
  double length = 0;
  bool flagged = false;  // length above three times the RMS
};

struct ControlFit {
  double sourcePivotX = 0, sourcePivotY = 0;  // the first pair's source point
  double destPivotX = 0, destPivotY = 0;      // where the fit puts that pivot
  double rotation = 0;                        // radians, clockwise positive
  double scale = 1;
  std::vector<PairResidual> residuals;  // one per pair, in the pairs' order
  double rms = 0;     // square root of the mean squared residual length, over all pairs
  FactorTexts texts;  // the box texts Calculate would show
};

struct FitOutcome {
  std::optional<ControlFit> fit;  // empty when the pairs cannot be fitted
  std::string error;              // then a one-line reason for the user
};

// Fits translation, rotation and scale to two or more pairs. Refused: fewer than two pairs,
// all source points coincident, all destination points coincident.
FitOutcome FitControlPairs(const std::vector<ControlPair>& pairs);

// Pairs from the reference file by point number ("S:D" items); error names the first number
// not found.
struct PairsOutcome {
  std::vector<ControlPair> pairs;
  std::string error;
};
PairsOutcome LookUpControlPairs(const ReferenceList& list,
                                const std::vector<std::pair<std::string, std::string>>& numbers);

// Lines of "source X, source Y, destination X, destination Y" (commas and/or blanks; blank
// lines and lines starting with '#' skipped); northing first, each point's Y before its X.
PairsOutcome ReadControlPairsFile(const std::string& path, ColumnOrder order = kDefaultColumnOrder);

// The residual table: 80-column lines, each ending CR LF.
std::string FormatResidualTable(const std::vector<ControlPair>& pairs, const ControlFit& fit);

}  // namespace velkora
