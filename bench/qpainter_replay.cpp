#include "qpainter_replay.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <cmath>

#include "ui_support/qt_bridge.h"

namespace pelmoro::bench {

namespace {

QRect Box(const Rect& r) { return QRect(r.left, r.top, r.Width() - 1, r.Height() - 1); }

// Angle of a radial point about the box centre in Qt's 1/16 degree units, counter-clockwise.
int Angle16(const Rect& r, Point p) {
  const Point c = r.CenterPoint();
  const double degrees = std::atan2(-(p.y - c.y), p.x - c.x) * 180.0 / M_PI;
  return static_cast<int>(std::lround(degrees * 16));
}

int Span16(const Rect& r, Point s, Point e) {
  int span = Angle16(r, e) - Angle16(r, s);
  while (span <= 0) span += 360 * 16;
  return span;
}

QLinearGradient GradientFor(const RecordingSurface::Call& call) {
  const QRect r(call.rect.left, call.rect.top, call.rect.Width(), call.rect.Height());
  QLinearGradient gradient;
  switch (call.a) {
    case GradientVertical:
      gradient = QLinearGradient(r.topLeft(), r.bottomLeft());
      break;
    case GradientForwardDiagonal:
      gradient = QLinearGradient(r.topLeft(), r.bottomRight());
      break;
    case GradientBackwardDiagonal:
      gradient = QLinearGradient(r.topRight(), r.bottomLeft());
      break;
    default:
      gradient = QLinearGradient(r.topLeft(), r.topRight());
      break;
  }
  gradient.setColorAt(0, ToQColor(call.color));
  gradient.setColorAt(1, ToQColor(call.color2));
  return gradient;
}

}  // namespace

void ReplayWithQPainter(const RecordingSurface& recording, QImage& image) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPoint position;
  for (const RecordingSurface::Call& call : recording.calls()) {
    painter.setPen(QPen(ToQColor(call.pen), 0));
    painter.setBrush(ToQColor(call.brush));
    switch (call.op) {
      case RecordingSurface::Op::Ellipse:
        painter.drawEllipse(Box(call.rect));
        break;
      case RecordingSurface::Op::RoundRect:
        painter.drawRoundedRect(Box(call.rect), call.a / 2.0, call.b / 2.0);
        break;
      case RecordingSurface::Op::Arc:
        painter.drawArc(Box(call.rect), Angle16(call.rect, call.start), Span16(call.rect, call.start, call.end));
        break;
      case RecordingSurface::Op::Chord:
        painter.drawChord(Box(call.rect), Angle16(call.rect, call.start), Span16(call.rect, call.start, call.end));
        break;
      case RecordingSurface::Op::Pie:
        painter.drawPie(Box(call.rect), Angle16(call.rect, call.start), Span16(call.rect, call.start, call.end));
        break;
      case RecordingSurface::Op::Polygon: {
        QPolygon polygon;
        for (const Point& p : call.points) polygon << QPoint(p.x, p.y);
        painter.drawPolygon(polygon, Qt::OddEvenFill);
        break;
      }
      case RecordingSurface::Op::FillSolidRect:
        painter.fillRect(QRect(call.rect.left, call.rect.top, call.a, call.b), ToQColor(call.color));
        break;
      case RecordingSurface::Op::MoveTo:
        position = QPoint(call.start.x, call.start.y);
        break;
      case RecordingSurface::Op::LineTo: {
        const QPoint to(call.start.x, call.start.y);
        painter.drawLine(position, to);
        position = to;
        break;
      }
      case RecordingSurface::Op::GradientFill:
        painter.fillRect(QRect(call.rect.left, call.rect.top, call.rect.Width(), call.rect.Height()),
                         GradientFor(call));
        break;
    }
  }
}

}  // namespace pelmoro::bench
