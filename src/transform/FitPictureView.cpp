// Painting the fit picture from the layout the engine computes for the widget's size.
#include "transform/FitPictureView.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "transform/FitPicture.h"
#include "transform/NumberText.h"
#include "transform/PictureMarksView.h"
#include "ui/CommonView.h"

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
  const double line = QFontMetrics(font()).height() + 6;
  const double left = 12;
  const double column = (width() - 2 * left) / 3;
  auto entry = [&painter](double x, double y, const QString& text) {
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x + 18, y + 4), text);
  };

  double y = top + line;
  DrawDestinationMark(painter, QPointF(left + 6, y));
  entry(left, y, QStringLiteral("Destination point"));
  DrawSourceMark(painter, QPointF(left + column + 6, y));
  entry(left + column, y, QStringLiteral("Source point, fitted"));
  DrawPivotMark(painter, QPointF(left + 2 * column + 6, y));
  entry(left + 2 * column, y, QStringLiteral("Pivot"));

  y += line;
  painter.setPen(QPen(picture::kResidual, 1.5));
  painter.drawLine(QPointF(left, y), QPointF(left + 12, y));
  entry(left, y,
        layout.magnification > 0
            ? QStringLiteral("Residual x %1").arg(ToQt(GeneralForm(layout.magnification)))
            : QStringLiteral("No residuals: the pairs fit exactly"));
  painter.setPen(QPen(picture::kResidual, 3));
  painter.drawLine(QPointF(left + 2 * column, y), QPointF(left + 2 * column + 12, y));
  entry(left + 2 * column, y, QStringLiteral("Over 3 x RMS"));

  y += line;
  DrawScaleBar(painter, QPointF(left, y), layout.groundBar, ToQt(layout.groundBar.caption),
               Qt::black);
  DrawScaleBar(painter, QPointF(left + 2 * column, y), layout.residualBar,
               QStringLiteral("%1 residual").arg(ToQt(layout.residualBar.caption)),
               picture::kResidual);
}

}  // namespace velkora
