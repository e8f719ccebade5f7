// "Scale From Projection": the dialog's boxes read, the scale computed at the grid point, and
// "Use This Scale", which puts it into the main window's scale box.
#pragma once

#include <optional>
#include <string>

#include "app/MainForm.h"
#include "app/Session.h"

namespace velkora {

inline constexpr const char* kProjectionDialogTitle = "Scale From Projection";

// The dialog's boxes as typed. Elevation and geoid separation are in the CRS's unit; an empty
// one reads as 0.
struct ProjectionScaleBoxes {
  std::string crs;
  std::string x;
  std::string y;
  std::string elevation;
  std::string geoidSeparation;
  GridDirection direction = GridDirection::kGridToGround;
};

// At opening: the CRS, elevation, geoid separation and direction of the scale last used, and
// the source pivot's X and Y as the grid point.
ProjectionScaleBoxes StartingProjectionBoxes(const Session& session, const MainForm& form);

// The scale computed from the boxes, or the one-line message that says why there is none: a
// box that is not a number, a grid point not given, or PROJ's refusal.
struct ProjectionScaleResult {
  std::optional<ProjectionScaleUse> use;
  std::string error;
};
ProjectionScaleResult ComputeScaleFromProjection(const ProjectionScaleBoxes& boxes);

// "Use This Scale": txtDS gets the scale in full, ignoreDS follows its text as typing would
// and nothing is ticked; the session keeps the use for the report of the runs that follow.
void UseProjectionScale(Session& session, MainForm& form, const ProjectionScaleUse& use);

}  // namespace velkora
