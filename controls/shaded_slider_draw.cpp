#include "controls/shaded_slider_draw.h"

#include "render/surface.h"

namespace pelmoro {

namespace {

// The corner ellipse of thumb and channel; this small it gives square corners.
constexpr int kCorner = 2;
constexpr int kNarrowestGripWidth = 6;
constexpr int kNarrowestWideGripWidth = 10;

void SetPixel(Surface& surface, int x, int y, Color c) { surface.FillSolidRect(x, y, 1, 1, c); }

void VerticalLine(Surface& surface, int x, int top, int bottom) {
  surface.MoveTo(x, top);
  surface.LineTo(x, bottom);
}

// Light ridges at every second column from D.left + 1, dark ones between them, each
// light ridge with a brighter tip pixel above it.
void DrawGripRidges(Surface& surface, const Rect& d, int thumbWidth, const SliderColors& colors) {
  if (thumbWidth < kNarrowestGripWidth) return;
  const bool wide = thumbWidth >= kNarrowestWideGripWidth;
  const int lightRidges = wide ? 4 : 2;
  const int darkRidges = wide ? 3 : 2;
  {
    CSolidPen pen(surface, colors.light1);
    for (int i = 0; i < lightRidges; ++i) VerticalLine(surface, d.left + 1 + 2 * i, d.top + 5, d.bottom - 5);
  }
  {
    CSolidPen pen(surface, colors.dark2);
    for (int i = 0; i < darkRidges; ++i) VerticalLine(surface, d.left + 2 + 2 * i, d.top + 5, d.bottom - 4);
  }
  for (int i = 0; i < lightRidges; ++i) SetPixel(surface, d.left + 1 + 2 * i, d.top + 4, colors.light2);
}

}  // namespace

void Draw3dRect(Surface& surface, const Rect& r, Color topLeft, Color bottomRight) {
  const int cx = r.Width();
  const int cy = r.Height();
  surface.FillSolidRect(r.left, r.top, cx - 1, 1, topLeft);
  surface.FillSolidRect(r.left, r.top, 1, cy - 1, topLeft);
  surface.FillSolidRect(r.right - 1, r.top, 1, cy, bottomRight);
  surface.FillSolidRect(r.left, r.bottom - 1, cx, 1, bottomRight);
}

void DrawSliderThumb(Surface& surface, const Rect& thumb, const SliderColors& colors, bool enabled) {
  {
    CSolidPen pen(surface, colors.frame);
    CSolidBrush brush(surface, colors.thumb);
    surface.RoundRect(thumb, kCorner, kCorner);
  }
  const Rect d{thumb.left + 1, thumb.top + 1, thumb.right - 1, thumb.bottom - 1};
  Draw3dRect(surface, d, colors.light1, colors.dark1);
  SetPixel(surface, d.left, d.top, colors.light2);
  SetPixel(surface, d.right - 1, d.top, colors.thumb);
  SetPixel(surface, d.right - 1, d.bottom - 1, colors.dark2);
  SetPixel(surface, d.left, d.bottom - 1, colors.thumb);
  if (enabled) DrawGripRidges(surface, d, thumb.Width(), colors);
}

void DrawSliderChannel(Surface& surface, const Rect& channel, const SliderColors& colors) {
  const Rect inner{channel.left + 1, channel.top + 1, channel.right - 1, channel.bottom};
  if (inner.Height() > 3) {
    CSolidPen pen(surface, colors.shadowMid);
    CSolidBrush brush(surface, colors.channel);
    surface.RoundRect(inner, kCorner, kCorner);
  }
  const Rect& r = channel;
  {
    CSolidPen pen(surface, colors.faceMid);
    surface.MoveTo(r.left, r.bottom - 2);
    surface.LineTo(r.left, r.top + 2);
    surface.LineTo(r.left + 2, r.top);
    surface.LineTo(r.right - 2, r.top);
  }
  CSolidPen pen(surface, colors.highlight);
  surface.MoveTo(r.left + 1, r.bottom - 1);
  surface.LineTo(r.left + 2, r.bottom);
  surface.LineTo(r.right - 2, r.bottom);
  surface.LineTo(r.right - 2, r.bottom - 1);
  surface.LineTo(r.right - 1, r.bottom - 1);
  surface.LineTo(r.right - 1, r.top + 2);
  surface.LineTo(r.right - 3, r.top);
}

}  // namespace pelmoro
