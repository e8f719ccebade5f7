// Marks, labels and bars shared by the fit picture and the run preview.
#include "desktop/PictureMarksView.h"

#include <QFontMetrics>
#include <QRectF>

namespace velkora {

namespace {
constexpr double kMarkHalf = 4;
constexpr double kTick = 4;
}  // namespace

QPointF ToPointF(const ScreenPoint& point) {
  return {point.x, point.y};
}

// Drawn crisp: thousands of blurred dots would grey the picture.
void DrawPointDot(QPainter& painter, const QPointF& at) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRectF(at.x() - 2, at.y() - 2, 4, 4), picture::kPoint);
  painter.restore();
}

void DrawDestinationMark(QPainter& painter, const QPointF& at) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(picture::kDestination);
  painter.drawRect(QRectF(at.x() - kMarkHalf, at.y() - kMarkHalf, 2 * kMarkHalf, 2 * kMarkHalf));
  painter.restore();
}

void DrawSourceMark(QPainter& painter, const QPointF& at) {
  painter.save();
  painter.setPen(QPen(picture::kSource, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(at, kMarkHalf + 2, kMarkHalf + 2);
  painter.restore();
}

void DrawPivotMark(QPainter& painter, const QPointF& at) {
  painter.save();
  painter.setPen(QPen(Qt::black, 1.5));
  const double arm = 2 * kMarkHalf + 2;
  painter.drawLine(QPointF(at.x() - arm, at.y()), QPointF(at.x() + arm, at.y()));
  painter.drawLine(QPointF(at.x(), at.y() - arm), QPointF(at.x(), at.y() + arm));
  painter.restore();
}

// A label that would run past the right edge goes to the left of its mark.
void DrawLabel(QPainter& painter, const QPointF& at, const QString& text, const QColor& colour,
               LabelPlace place) {
  painter.save();
  painter.setPen(colour);
  const QFontMetricsF metrics(painter.font());
  const double width = metrics.horizontalAdvance(text);
  double left = at.x() + kMarkHalf + 4;
  if (painter.device() != nullptr && left + width > painter.device()->width() - 2) {
    left = at.x() - kMarkHalf - 4 - width;
  }
  const double baseline = place == LabelPlace::kAbove ? at.y() - kMarkHalf - 2
                                                      : at.y() + kMarkHalf + 2 + metrics.ascent();
  painter.drawText(QPointF(left, baseline), text);
  painter.restore();
}

void DrawScaleBar(QPainter& painter, const QPointF& leftEnd, const ScaleBar& bar,
                  const QString& caption, const QColor& colour) {
  if (bar.length <= 0) {
    return;
  }
  painter.save();
  painter.setPen(QPen(colour, 2));
  const QPointF rightEnd(leftEnd.x() + bar.pixels, leftEnd.y());
  painter.drawLine(leftEnd, rightEnd);
  for (const QPointF& end : {leftEnd, rightEnd}) {
    painter.drawLine(QPointF(end.x(), end.y() - kTick), QPointF(end.x(), end.y() + kTick));
  }
  painter.drawText(QPointF(rightEnd.x() + 2 * kTick, leftEnd.y() + kTick), caption);
  painter.restore();
}

void DrawPictureGround(QPainter& painter, const QRect& area) {
  painter.fillRect(area, Qt::white);
  painter.setPen(QColor(160, 160, 160));
  painter.drawRect(area.adjusted(0, 0, -1, -1));
}

LegendGrid::LegendGrid(QPainter& painter, const QFont& font, double width, double top)
    : painter_(painter),
      top_(top),
      line_(QFontMetrics(font).height() + 6),
      column_((width - 2 * kMargin) / 3) {}

void LegendGrid::Text(int line, int column, const QString& text) {
  painter_.setPen(Qt::black);
  painter_.drawText(QPointF(Left(column) + 18, LineY(line) + 4), text);
}

void LegendGrid::WholeLine(int line, const QString& text) {
  painter_.setPen(Qt::black);
  painter_.drawText(QPointF(kMargin, LineY(line) + 4), text);
}

}  // namespace velkora
