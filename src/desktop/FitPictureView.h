// The picture of a fit: the destination control points, the source points where the fit
// carries them, the pivot, the residual vectors magnified, scale bars and a legend.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "engine/transform/ControlFit.h"

class QPainter;

namespace velkora {

struct FitPictureLayout;

class FitPictureView : public QWidget {
  Q_OBJECT

 public:
  explicit FitPictureView(QWidget* parent = nullptr);

  // The pairs and their fit to draw; Clear() leaves a hint instead.
  void SetFit(const std::vector<ControlPair>& pairs, const ControlFit& fit);
  void Clear();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawLegend(QPainter& painter, const FitPictureLayout& layout, double top);

  std::vector<ControlPair> pairs_;
  std::optional<ControlFit> fit_;
};

}  // namespace velkora
