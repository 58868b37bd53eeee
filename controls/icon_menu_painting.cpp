#include "controls/icon_menu_painting.h"

#include <QPainter>

namespace pelmoro {

namespace {

constexpr int kOpaqueAlpha = 128;

bool BelongsToShape(QRgb pixel) { return qAlpha(pixel) >= kOpaqueAlpha && (pixel & 0x00FFFFFFu) != 0x00FFFFFFu; }

}  // namespace

void Draw3dFrame(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
  painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
  painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
  painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
}

QImage StampOf(const QImage& image, const QColor& color) {
  const QImage source = image.convertToFormat(QImage::Format_ARGB32);
  QImage stamp(source.size(), QImage::Format_ARGB32);
  stamp.fill(Qt::transparent);
  const QRgb ink = color.rgba() | 0xFF000000u;
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(stamp.scanLine(y));
    for (int x = 0; x < source.width(); ++x)
      if (BelongsToShape(in[x])) out[x] = ink;
  }
  return stamp;
}

void DrawEmbossed(QPainter& painter, QPoint position, const QImage& image, const QColor& highlight,
                  const QColor& shadow) {
  painter.drawImage(position + QPoint(1, 1), StampOf(image, highlight));
  painter.drawImage(position, StampOf(image, shadow));
}

}  // namespace pelmoro
