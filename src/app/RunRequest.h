// A conversion run as the main window or the command line asks for it (the boxes' texts as
// typed), and the plan the run checks make of it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/geodesy/GridGround.h"
#include "engine/input/PointReader.h"
#include "engine/output/OutputSettings.h"
#include "engine/report/RunSummary.h"
#include "engine/transform/ControlFactors.h"
#include "engine/transform/TransformFactors.h"

namespace velkora {

struct RunRequest {
  std::vector<std::string> inputs;
  std::string outputPath;
  std::optional<std::size_t> outputEntry;  // index of kOutputFormatNames; none when not chosen
  ControlPointTexts controlPoints;         // the source pivot's X and Y are the run's pivot
  FactorTexts factors;                     // shift, angle and scale as typed
  std::string dz;                          // the vertical shift as typed
  bool ignoreRotation = false;             // "No Rotation" ticked
  bool ignoreScaling = false;              // "No Scaling" ticked
  bool suppressZeroElevations = true;
  bool oneThread = false;  // read, move and write on the calling thread only
  // The column order of delimited input files (a file's header line overrides it), and of a
  // delimited output; none: the order the delimited inputs share (SharedColumnOrder).
  ColumnOrder inputOrder = kDefaultColumnOrder;
  std::optional<ColumnOrder> outputOrder;
  bool layoutOnly = false;  // without shift, rotation or scale, convert the layout alone
  // A request that moves nothing is refused, or with this set the prompter is asked whether to
  // convert the layout alone (the main window asks; the command line has --layout-only).
  bool offerLayoutOnly = false;
};

struct RunPlan {
  std::vector<std::string> inputs;
  std::string outputPath;
  OutputSettings output;
  TransformFactors factors;
  bool oneThread = false;
  ReadOptions read;
};

// The factors "Use These Factors" put into the boxes, with the fit's residual table: a run's
// report carries the table only while the boxes still hold those texts.
struct FittedFactors {
  std::string residualTable;  // empty when no fit was used
  std::string sourcePivotX;
  std::string sourcePivotY;
  FactorTexts texts;
};

// The residual table when the run uses the fitted factors unchanged (the boxes as the fit left
// them, neither rotation nor scaling switched off); otherwise empty.
std::string FitTableFor(const FittedFactors& fitted, const RunRequest& request);

// The scale "Use This Scale" put into the scale box, with what it was computed from: a run's
// report describes it only while the scale box still holds that text.
struct ProjectionScaleUse {
  std::string scaleText;  // empty when no projection scale was used
  ProjectionScaleRequest request;
  ProjectionScale scale;
  GridDirection direction = GridDirection::kGridToGround;
};

// The report's projection block when the run scales by the projection's scale unchanged (the
// scale box as it was filled, "No Scaling" not ticked); otherwise empty.
std::string ProjectionBlockFor(const ProjectionScaleUse& used, const RunRequest& request);

}  // namespace velkora
