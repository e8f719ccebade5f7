// What the fit picture and the run preview draw alike: the marks of control points, the
// pivot's cross, labels, scale bars and legend entries, in one set of colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>

#include "app/FitPicture.h"

namespace velkora {

namespace picture {
inline const QColor kDestination(0, 70, 200);
inline const QColor kSource(0, 140, 0);
inline const QColor kResidual(210, 0, 0);
inline const QColor kPoint(90, 90, 90);
}  // namespace picture

QPointF ToPointF(const ScreenPoint& point);

// A small square dot: one point of a file.
void DrawPointDot(QPainter& painter, const QPointF& at);
// A filled square: a given destination point.
void DrawDestinationMark(QPainter& painter, const QPointF& at);
// A hollow circle: a source point carried into the destination system.
void DrawSourceMark(QPainter& painter, const QPointF& at);
// A black cross: the pivot.
void DrawPivotMark(QPainter& painter, const QPointF& at);
// A point number beside its mark, above it or below it, so that two marks on one place keep
// both labels readable.
enum class LabelPlace { kAbove, kBelow };
void DrawLabel(QPainter& painter, const QPointF& at, const QString& text, const QColor& colour,
               LabelPlace place = LabelPlace::kAbove);

// A bar from `leftEnd` with ticks at both ends and its caption after it; nothing for an empty
// bar.
void DrawScaleBar(QPainter& painter, const QPointF& leftEnd, const ScaleBar& bar,
                  const QString& caption, const QColor& colour);

// The white ground and a thin frame of a picture.
void DrawPictureGround(QPainter& painter, const QRect& area);

// The legend under a picture: lines one text line apart from `top`, three columns across
// `width`; an entry's mark goes at Mark() and its text beside it.
class LegendGrid {
 public:
  LegendGrid(QPainter& painter, const QFont& font, double width, double top);
  double Left(int column) const { return kMargin + column * column_; }
  double LineY(int line) const { return top_ + (line + 1) * line_; }
  QPointF Mark(int line, int column) const { return {Left(column) + 6, LineY(line)}; }
  void Text(int line, int column, const QString& text);
  // A text from the left margin, without a mark before it.
  void WholeLine(int line, const QString& text);

 private:
  static constexpr double kMargin = 12;
  QPainter& painter_;
  double top_;
  double line_;
  double column_;
};

}  // namespace velkora
