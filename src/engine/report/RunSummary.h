// What a completed run tells the report: the job header, the control points as typed, the
// factors applied, every input file with its point count and the output file, and the column
// order of the delimited files when it is not the usual one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/points/ColumnOrder.h"
#include "engine/points/ControlPointText.h"
#include "engine/points/HeaderInfo.h"
#include "engine/transform/TransformFactors.h"

namespace velkora {

struct FilePointCount {
  std::string path;
  std::int64_t points = 0;
  std::optional<ColumnOrder> headerOrder = std::nullopt;  // the order its header line named
};

struct RunSummary {
  std::string date;  // the title line's date, taken when the run starts
  HeaderInfo header;
  ControlPointTexts controlPoints;  // as the boxes held them
  TransformFactors factors;
  std::string projectionBlock;  // on the projection whose scale the run uses, or empty
  std::string fitTable;  // the residual table of the fit whose factors the run uses, or empty
  std::vector<FilePointCount> inputs;  // the files converted, in order
  FilePointCount output;
  // Stated only when either is not the default: the order chosen for delimited input files, and
  // the output's when it is a delimited layout.
  std::optional<ColumnOrder> inputOrder;
  std::optional<ColumnOrder> outputOrder;
};

}  // namespace velkora
