// The direction of a grid-ground scale and the texts of its figures.
#include "engine/geodesy/GridGround.h"

#include <string_view>
#include <utility>

#include "engine/points/Decimals.h"
#include "engine/text/AngleText.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

constexpr int kDegreeDecimals = 9;  // about 0.1 mm on the ground
constexpr int kFactorDecimals = 10;
constexpr std::size_t kReportWidth = 80;
constexpr std::size_t kLabelWidth = 19;

void AppendItem(std::string& block, std::string_view label, std::string_view value) {
  std::string line = "  " + PadRight(label, kLabelWidth);
  line += value;
  block += Left(line, kReportWidth);
  block += "\r\n";
}

std::string Coordinate(double value) {
  return FormatRounded(value, kControlDecimals);
}

}  // namespace

GridDirection Reversed(GridDirection direction) {
  return direction == GridDirection::kGridToGround ? GridDirection::kGroundToGrid
                                                   : GridDirection::kGridToGround;
}

double ScaleFactorFor(const ProjectionScale& scale, GridDirection direction) {
  return direction == GridDirection::kGridToGround ? 1 / scale.combinedFactor
                                                   : scale.combinedFactor;
}

std::string ScaleBoxText(const ProjectionScale& scale, GridDirection direction) {
  return GeneralForm(ScaleFactorFor(scale, direction));
}

std::string ProjectionFigureLines(const ProjectionScale& scale, GridDirection direction) {
  const std::pair<std::string_view, std::string> figures[] = {
      {"crs", scale.crsName},
      {"unit", scale.unitName},
      {"latitude", FixedForm(scale.latitude, kDegreeDecimals)},
      {"longitude", FixedForm(scale.longitude, kDegreeDecimals)},
      {"grid scale factor", FixedForm(scale.gridScaleFactor, kFactorDecimals)},
      {"elevation factor", FixedForm(scale.elevationFactor, kFactorDecimals)},
      {"combined factor", FixedForm(scale.combinedFactor, kFactorDecimals)},
      {"convergence", FixedForm(scale.convergence, kDegreeDecimals)},
      {"scale", ScaleBoxText(scale, direction)},
  };
  std::string lines;
  for (const auto& [name, value] : figures) {
    lines.append(name).append(": ").append(value).append("\n");
  }
  return lines;
}

std::string ProjectionReportBlock(const ProjectionScaleRequest& request,
                                  const ProjectionScale& scale, GridDirection direction) {
  std::string block = "\r\nScale From Projection\r\n---------------------\r\n";
  AppendItem(block, "Coordinate System", request.crs + "  " + scale.crsName);
  AppendItem(block, "Grid Point",
             "X " + Coordinate(request.x) + "  Y " + Coordinate(request.y) + "  " + scale.unitName);
  AppendItem(
      block, "Elevation",
      Coordinate(request.elevation) + "  Geoid Separation " + Coordinate(request.geoidSeparation));
  AppendItem(block, "Latitude",
             FixedForm(scale.latitude, kDegreeDecimals) + "  Longitude " +
                 FixedForm(scale.longitude, kDegreeDecimals));
  AppendItem(block, "Grid Scale Factor", FixedForm(scale.gridScaleFactor, kFactorDecimals));
  AppendItem(block, "Elevation Factor", FixedForm(scale.elevationFactor, kFactorDecimals));
  AppendItem(block, "Combined Factor", FixedForm(scale.combinedFactor, kFactorDecimals));
  AppendItem(block, "Convergence", ReportAngle(scale.convergence * DegreesToRadians));
  AppendItem(block, direction == GridDirection::kGridToGround ? "Grid To Ground" : "Ground To Grid",
             direction == GridDirection::kGridToGround ? "Scale Factor = 1 / Combined Factor"
                                                       : "Scale Factor = Combined Factor");
  return block;
}

}  // namespace velkora
