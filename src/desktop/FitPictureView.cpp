// Painting the fit picture from the layout the engine computes for the widget's size.
#include "desktop/FitPictureView.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "app/FitPicture.h"
#include "desktop/CommonView.h"
#include "desktop/PictureMarksView.h"
#include "engine/text/NumberText.h"

namespace velkora {

namespace {
constexpr int kMinimumWidth = 420;
constexpr int kMinimumHeight = 320;
constexpr int kLegendLines = 3;
}  // namespace

FitPictureView::FitPictureView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picFit"));
  setMinimumSize(kMinimumWidth, kMinimumHeight);
}

void FitPictureView::SetFit(const std::vector<ControlPair>& pairs, const ControlFit& fit) {
  pairs_ = pairs;
  fit_ = fit;
  update();
}

void FitPictureView::Clear() {
  pairs_.clear();
  fit_.reset();
  update();
}

void FitPictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawPictureGround(painter, rect());
  if (!fit_) {
    painter.setPen(Qt::darkGray);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Press Fit to draw the pairs."));
    return;
  }
  const double line = QFontMetrics(font()).height();
  const double legendHeight = kLegendLines * (line + 6) + 8;
  const double margin = std::max(24.0, 2 * line);
  const FitPictureLayout layout =
      LayOutFitPicture(pairs_, *fit_, width(), height(), margin, legendHeight);

  for (const PictureControlPair& pair : layout.pairs) {
    painter.setPen(QPen(picture::kResidual, pair.flagged ? 3 : 1.5));
    painter.drawLine(ToPointF(pair.destination), ToPointF(pair.residualTip));
  }
  for (const PictureControlPair& pair : layout.pairs) {
    DrawSourceMark(painter, ToPointF(pair.fittedSource));
    DrawDestinationMark(painter, ToPointF(pair.destination));
    DrawLabel(painter, ToPointF(pair.destination), ToQt(pair.label),
              pair.flagged ? picture::kResidual : Qt::black);
  }
  DrawPivotMark(painter, ToPointF(layout.pivot));
  DrawLegend(painter, layout, height() - legendHeight);
}

// Three lines under the points: the marks, the residuals, the scale bars.
void FitPictureView::DrawLegend(QPainter& painter, const FitPictureLayout& layout, double top) {
  LegendGrid legend(painter, font(), width(), top);
  DrawDestinationMark(painter, legend.Mark(0, 0));
  legend.Text(0, 0, QStringLiteral("Destination point"));
  DrawSourceMark(painter, legend.Mark(0, 1));
  legend.Text(0, 1, QStringLiteral("Source point, fitted"));
  DrawPivotMark(painter, legend.Mark(0, 2));
  legend.Text(0, 2, QStringLiteral("Pivot"));

  const double y = legend.LineY(1);
  painter.setPen(QPen(picture::kResidual, 1.5));
  painter.drawLine(QPointF(legend.Left(0), y), QPointF(legend.Left(0) + 12, y));
  legend.Text(1, 0,
              layout.magnification > 0
                  ? QStringLiteral("Residual x %1").arg(ToQt(GeneralForm(layout.magnification)))
                  : QStringLiteral("No residuals: the pairs fit exactly"));
  painter.setPen(QPen(picture::kResidual, 3));
  painter.drawLine(QPointF(legend.Left(2), y), QPointF(legend.Left(2) + 12, y));
  legend.Text(1, 2, QStringLiteral("Over 3 x RMS"));

  DrawScaleBar(painter, QPointF(legend.Left(0), legend.LineY(2)), layout.groundBar,
               ToQt(layout.groundBar.caption), Qt::black);
  DrawScaleBar(painter, QPointF(legend.Left(2), legend.LineY(2)), layout.residualBar,
               QStringLiteral("%1 residual").arg(ToQt(layout.residualBar.caption)),
               picture::kResidual);
}

}  // namespace velkora
