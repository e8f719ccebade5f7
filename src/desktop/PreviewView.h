// The report window's preview: the last run's converted points and the control points on one
// picture, north up, with a scale bar, so that a misplaced job shows at a glance.
#pragma once

#include <QWidget>

#include "app/RunPreview.h"

class QPainter;

namespace velkora {

struct ScaleBar;

class PreviewView : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewView(RunPreview preview, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawLegend(QPainter& painter, const ScaleBar& bar, double top);

  RunPreview preview_;
};

}  // namespace velkora
