// The geometry of a picture of ground points: one scale for X and Y with north up, round
// scale-bar lengths, and the layout of the fit picture (control points, magnified residuals).
#pragma once

#include <string>
#include <vector>

#include "engine/transform/ControlFit.h"

namespace velkora {

// A position in the picture, in pixels from its top left corner.
struct ScreenPoint {
  double x = 0;
  double y = 0;
};

// The smallest box around the ground points it was given; empty until the first one.
struct GroundBox {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  bool empty = true;

  void Include(double x, double y);
};

// Ground coordinates onto a picture: the same pixels per ground unit across and down, north
// up, the box centred in the picture.
struct PictureMapping {
  double pixelsPerUnit = 1;
  double centreX = 0, centreY = 0;  // the ground point at the centre of the drawing area
  double screenCentreX = 0, screenCentreY = 0;

  ScreenPoint ToScreen(double x, double y) const;
};

// Fits `box` into a drawing area of width by height pixels whose top left corner is at
// (left, top). A box without extent (one point, or none) is drawn at one pixel per unit.
PictureMapping MapGroundBox(const GroundBox& box, double left, double top, double width,
                            double height);

// The largest length of the form 1, 2 or 5 times a power of ten that is not above `limit`
// (which must be above 0).
double RoundLengthBelow(double limit);

// A scale bar: a round ground length, its length in pixels and its caption.
struct ScaleBar {
  double length = 0;  // ground units; 0 when there is nothing to measure
  double pixels = 0;
  std::string caption;
};

// The longest round length whose bar, at `pixelsPerUnit`, is at most `maxPixels` long.
ScaleBar MakeScaleBar(double pixelsPerUnit, double maxPixels);

// The round magnification that draws `largestResidual` (ground units, at `pixelsPerUnit`)
// at about a tenth of `pictureSize` pixels, never longer; 0 when there is no residual.
double ResidualMagnification(double largestResidual, double pixelsPerUnit, double pictureSize);

// One control pair in the fit picture.
struct PictureControlPair {
  std::string label;         // the destination number, else the source number, else the row
  ScreenPoint destination;   // the given destination point
  ScreenPoint fittedSource;  // where the fit carries the source point
  ScreenPoint residualTip;   // the residual vector's end, magnified, from the destination
  bool flagged = false;
};

struct FitPictureLayout {
  std::vector<PictureControlPair> pairs;
  ScreenPoint pivot;  // where the fit puts the source pivot
  ScaleBar groundBar;
  ScaleBar residualBar;      // length 0 when every residual is 0
  double magnification = 0;  // of the residual vectors; 0 when every residual is 0
};

// Lays the fit out on a picture of width by height pixels, keeping `margin` pixels clear
// around the points and `legendHeight` pixels at the bottom for the legend and the bars.
FitPictureLayout LayOutFitPicture(const std::vector<ControlPair>& pairs, const ControlFit& fit,
                                  double width, double height, double margin, double legendHeight);

}  // namespace velkora
