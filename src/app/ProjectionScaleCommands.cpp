// The projection-scale dialog's boxes read into a request, and the scale put to use.
#include "app/ProjectionScaleCommands.h"

#include <array>

#include "app/FactorCommands.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

struct NumberBox {
  const std::string& text;
  double& value;
  const char* refusal;
};

}  // namespace

ProjectionScaleBoxes StartingProjectionBoxes(const Session& session, const MainForm& form) {
  ProjectionScaleBoxes boxes;
  const ProjectionScaleUse& last = session.projectionScale;
  if (!last.scaleText.empty()) {
    boxes.crs = last.request.crs;
    boxes.elevation = GeneralForm(last.request.elevation);
    boxes.geoidSeparation = GeneralForm(last.request.geoidSeparation);
    boxes.direction = last.direction;
  }
  boxes.x = form.SPPX.text;
  boxes.y = form.SPPY.text;
  return boxes;
}

ProjectionScaleResult ComputeScaleFromProjection(const ProjectionScaleBoxes& boxes) {
  if (Trim(boxes.x).empty() || Trim(boxes.y).empty()) {
    return {std::nullopt, "Enter the grid point's X and Y."};
  }
  ProjectionScaleRequest request;
  request.crs = std::string(Trim(boxes.crs));
  const std::array<NumberBox, 4> numbers = {{
      {boxes.x, request.x, "Grid point X is not valid."},
      {boxes.y, request.y, "Grid point Y is not valid."},
      {boxes.elevation, request.elevation, "Elevation is not valid."},
      {boxes.geoidSeparation, request.geoidSeparation, "Geoid separation is not valid."},
  }};
  for (const NumberBox& box : numbers) {
    const std::optional<double> value = TryReadNumber(box.text);
    if (!value) {
      return {std::nullopt, box.refusal};
    }
    box.value = *value;
  }
  ProjectionScaleOutcome outcome = ComputeProjectionScale(request);
  if (!outcome.scale) {
    return {std::nullopt, outcome.error};
  }
  return {ProjectionScaleUse{ScaleBoxText(*outcome.scale, boxes.direction), request, *outcome.scale,
                             boxes.direction},
          {}};
}

void UseProjectionScale(Session& session, MainForm& form, const ProjectionScaleUse& use) {
  form.txtDS.text = use.scaleText;
  ScaleTextChanged(form);
  session.projectionScale = use;
}

}  // namespace velkora
