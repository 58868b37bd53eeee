#pragma once
#include <QColor>
#include <QImage>

#include "model/color.h"
#include "output/scaled_picture.h"
#include "render/memory_dc.h"

namespace pelmoro {

// The one place where the project's pixels and colours meet Qt's.

// The surface's pixels as a QImage, without copying them: the image is valid while the
// surface lives. Painting on the image draws on the surface.
inline QImage WrapSurface(CMemoryDC& dc) {
  return QImage(reinterpret_cast<uchar*>(dc.Bits()), dc.Width(), dc.Height(), dc.BytesPerLine(), QImage::Format_RGB32);
}

// The same, read only: painting on the image detaches it from the surface.
inline QImage WrapSurface(const CMemoryDC& dc) {
  return QImage(reinterpret_cast<const uchar*>(dc.Bits()), dc.Width(), dc.Height(), dc.BytesPerLine(),
                QImage::Format_RGB32);
}

// A smooth picture's pixels as a read-only QImage, without copying them.
inline QImage WrapSmooth(const SmoothPicture& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height, picture.width * 4,
                picture.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

// Conversions between the program's 0x00BBGGRR colours and Qt's colours.
inline QColor ToQColor(Color c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
inline Color FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

}  // namespace pelmoro
