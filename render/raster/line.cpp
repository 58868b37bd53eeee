#include "render/raster/line.h"

#include <algorithm>

#include "render/raster/raster_math.h"

namespace pelmoro::raster {

std::int64_t LineMinorOffset(std::int64_t dmajor, std::int64_t dminor, int bias, std::int64_t k) {
  constexpr std::int64_t kSmall = std::int64_t{1} << 30;
  if (dmajor < kSmall && dminor < kSmall && k < kSmall) return (2 * dminor * k + dmajor + bias - 1) / (2 * dmajor);
  const i128 num = static_cast<i128>(2) * dminor * k + dmajor + bias - 1;
  return static_cast<std::int64_t>(num / (static_cast<i128>(2) * dmajor));
}

namespace {

// A line whose both ends lie on the surface: every pixel of it does, so the walk needs no
// clipping and no bounds tests.
void DrawVisibleLine(const PixelTarget& target, std::int64_t x0, std::int64_t y0, std::int64_t dx, std::int64_t dy,
                     std::uint32_t pixel) {
  const std::int64_t adx = dx < 0 ? -dx : dx;
  const std::int64_t ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const std::int64_t dM = xMajor ? adx : ady;
  const std::int64_t dm = xMajor ? ady : adx;
  const std::int64_t xStep = dx < 0 ? -1 : 1;
  const std::int64_t yStep = dy < 0 ? -target.width : target.width;
  const std::int64_t majorStep = xMajor ? xStep : yStep;
  const std::int64_t minorStep = xMajor ? yStep : xStep;
  const int bias = (xMajor ? dy < 0 : dx < 0) ? 1 : 0;
  std::uint32_t* p = target.bits + y0 * target.width + x0;
  std::int64_t err = 2 * dm - dM;
  for (std::int64_t k = 0; k < dM; ++k) {
    *p = pixel;
    if (err + bias > 0) {
      p += minorStep;
      err -= 2 * dM;
    }
    err += 2 * dm;
    p += majorStep;
  }
}

}  // namespace

void DrawLine(const PixelTarget& target, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
              std::uint32_t pixel) {
  const std::int64_t dx = x1 - x0;
  const std::int64_t dy = y1 - y0;
  if (dx == 0 && dy == 0) return;
  if (x0 >= 0 && y0 >= 0 && x1 >= 0 && y1 >= 0 && x0 < target.width && x1 < target.width && y0 < target.height &&
      y1 < target.height) {
    return DrawVisibleLine(target, x0, y0, dx, dy, pixel);
  }
  const std::int64_t adx = dx < 0 ? -dx : dx;
  const std::int64_t ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  // Major axis: a0 + sa * k; minor axis: b0 + sb * m(k).
  const std::int64_t dM = xMajor ? adx : ady;
  const std::int64_t dm = xMajor ? ady : adx;
  const std::int64_t a0 = xMajor ? x0 : y0;
  const std::int64_t b0 = xMajor ? y0 : x0;
  const std::int64_t sa = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const std::int64_t sb = (xMajor ? dy : dx) < 0 ? -1 : 1;
  // Octants 5 and 8 (x-major, going up) and 3 and 6 (y-major, going left).
  const int bias = (xMajor ? dy < 0 : dx < 0) ? 1 : 0;
  const std::int64_t aLimit = xMajor ? target.width : target.height;
  const std::int64_t bLimit = xMajor ? target.height : target.width;

  // Steps k in [0, dM) whose major coordinate lies on the surface.
  std::int64_t kBegin = 0;
  std::int64_t kEnd = dM;
  if (sa > 0) {
    kBegin = std::max<std::int64_t>(kBegin, -a0);
    kEnd = std::min<std::int64_t>(kEnd, aLimit - a0);
  } else {
    kBegin = std::max<std::int64_t>(kBegin, a0 - (aLimit - 1));
    kEnd = std::min<std::int64_t>(kEnd, a0 + 1);
  }
  if (kBegin >= kEnd) return;

  // The state of the incremental walk at step kBegin, computed exactly. The pixel index
  // moves by a fixed step along each axis.
  const std::int64_t m = kBegin == 0 ? 0 : LineMinorOffset(dM, dm, bias, kBegin);
  std::int64_t err =
      static_cast<std::int64_t>(static_cast<i128>(2) * dm * (kBegin + 1) - dM - static_cast<i128>(2) * dM * m);
  const std::int64_t a = a0 + sa * kBegin;
  std::int64_t b = b0 + sb * m;
  const std::int64_t majorStep = xMajor ? sa : sa * target.width;
  const std::int64_t minorStep = xMajor ? sb * target.width : sb;
  std::int64_t index = xMajor ? b * target.width + a : a * target.width + b;
  for (std::int64_t k = kBegin; k < kEnd; ++k) {
    if (static_cast<std::uint64_t>(b) < static_cast<std::uint64_t>(bLimit)) {
      target.bits[index] = pixel;
    } else if (sb > 0 ? b >= bLimit : b < 0) {
      break;  // the minor coordinate only moves further away from the surface
    }
    if (err + bias > 0) {
      b += sb;
      index += minorStep;
      err -= 2 * dM;
    }
    err += 2 * dm;
    index += majorStep;
  }
}

}  // namespace pelmoro::raster
