// Painting the run preview: every kept point as a dot, the control points with their marks
// and numbers, and a legend that says how many points are shown.
#include "report/PreviewView.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "transform/FitPicture.h"
#include "transform/PictureMarksView.h"
#include "ui/CommonView.h"

namespace velkora {

namespace {
constexpr int kMinimumWidth = 480;
constexpr int kMinimumHeight = 400;
constexpr int kLegendLines = 3;
}  // namespace

PreviewView::PreviewView(RunPreview preview, QWidget* parent)
    : QWidget(parent), preview_(std::move(preview)) {
  setObjectName(QStringLiteral("picPreview"));
  setMinimumSize(kMinimumWidth, kMinimumHeight);
}

void PreviewView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawPictureGround(painter, rect());

  GroundBox box;
  for (const GroundPoint& point : preview_.points) {
    box.Include(point.x, point.y);
  }
  for (const PreviewControlPoint& control : preview_.controlPoints) {
    box.Include(control.at.x, control.at.y);
  }
  const double line = QFontMetrics(font()).height() + 6;
  const double legendHeight = kLegendLines * line + 8;
  const double margin = std::max(24.0, 2 * line);
  const PictureMapping mapping =
      MapGroundBox(box, margin, margin, std::max(1.0, width() - 2 * margin),
                   std::max(1.0, height() - 2 * margin - legendHeight));

  for (const GroundPoint& point : preview_.points) {
    DrawPointDot(painter, ToPointF(mapping.ToScreen(point.x, point.y)));
  }
  for (const PreviewControlPoint& control : preview_.controlPoints) {
    const QPointF at = ToPointF(mapping.ToScreen(control.at.x, control.at.y));
    if (control.carried) {
      DrawSourceMark(painter, at);
      DrawLabel(painter, at, ToQt(control.label), picture::kSource, LabelPlace::kBelow);
    } else {
      DrawDestinationMark(painter, at);
      DrawLabel(painter, at, ToQt(control.label), picture::kDestination);
    }
  }
  DrawLegend(painter, MakeScaleBar(mapping.pixelsPerUnit, width() / 4.0), height() - legendHeight);
}

void PreviewView::DrawLegend(QPainter& painter, const ScaleBar& bar, double top) {
  const double line = QFontMetrics(font()).height() + 6;
  const double left = 12;
  const double column = (width() - 2 * left) / 3;
  auto entry = [&painter](double x, double y, const QString& text) {
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x + 18, y + 4), text);
  };

  double y = top + line;
  DrawPointDot(painter, QPointF(left + 6, y));
  entry(left, y, QStringLiteral("Converted point"));
  DrawDestinationMark(painter, QPointF(left + column + 6, y));
  entry(left + column, y, QStringLiteral("Destination control"));
  DrawSourceMark(painter, QPointF(left + 2 * column + 6, y));
  entry(left + 2 * column, y, QStringLiteral("Source control, converted"));

  y += line;
  QString count = preview_.stride > 1
                      ? QStringLiteral("%1 of %2 points shown (one in %3)")
                            .arg(preview_.points.size())
                            .arg(preview_.pointsConverted)
                            .arg(preview_.stride)
                      : QStringLiteral("%1 points shown").arg(preview_.pointsConverted);
  if (preview_.unreadableFiles > 0) {
    count += QStringLiteral("; %1 input file(s) could not be read").arg(preview_.unreadableFiles);
  }
  entry(left - 18, y, count);

  y += line;
  DrawScaleBar(painter, QPointF(left, y), bar, ToQt(bar.caption), Qt::black);
}

}  // namespace velkora
