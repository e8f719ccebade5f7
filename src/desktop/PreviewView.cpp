// Painting the run preview: every kept point as a dot, the control points with their marks
// and numbers, and a legend that says how many points are shown.
#include "desktop/PreviewView.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "app/FitPicture.h"
#include "desktop/CommonView.h"
#include "desktop/PictureMarksView.h"

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
  LegendGrid legend(painter, font(), width(), top);
  DrawPointDot(painter, legend.Mark(0, 0));
  legend.Text(0, 0, QStringLiteral("Converted point"));
  DrawDestinationMark(painter, legend.Mark(0, 1));
  legend.Text(0, 1, QStringLiteral("Destination control"));
  DrawSourceMark(painter, legend.Mark(0, 2));
  legend.Text(0, 2, QStringLiteral("Source control, converted"));

  QString count = preview_.stride > 1
                      ? QStringLiteral("%1 of %2 points shown (one in %3)")
                            .arg(preview_.points.size())
                            .arg(preview_.pointsConverted)
                            .arg(preview_.stride)
                      : QStringLiteral("%1 points shown").arg(preview_.pointsConverted);
  if (preview_.unreadableFiles > 0) {
    count += QStringLiteral("; %1 input file(s) could not be read").arg(preview_.unreadableFiles);
  }
  legend.WholeLine(1, count);

  DrawScaleBar(painter, QPointF(legend.Left(0), legend.LineY(2)), bar, ToQt(bar.caption),
               Qt::black);
}

}  // namespace velkora
