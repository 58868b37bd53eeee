#include "render/raster/gradient.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "render/raster/pixel_format.h"
#include "render/raster/pixel_target.h"

namespace pelmoro::raster {

namespace {

using u128 = unsigned __int128;

// The 256 colours a gradient can take, one per step q = 0..255, as pixels.
struct ColorRamp {
  Color from = 0;
  Color to = 0;
  bool filled = false;
  std::uint32_t pixel[256] = {};
};

int Blend(int c0, int c1, int q) { return (c0 * (255 - q) + c1 * q) / 255; }

Color BlendColor(Color from, Color to, int q) {
  return RGB(Blend(GetRValue(from), GetRValue(to), q), Blend(GetGValue(from), GetGValue(to), q),
             Blend(GetBValue(from), GetBValue(to), q));
}

const ColorRamp& RampFor(Color from, Color to) {
  thread_local ColorRamp ramp;
  if (!ramp.filled || ramp.from != from || ramp.to != to) {
    for (int q = 0; q < 256; ++q) ramp.pixel[q] = ToPixel(BlendColor(from, to, q));
    ramp.from = from;
    ramp.to = to;
    ramp.filled = true;
  }
  return ramp;
}

// q = floor(255 t + 0.5) with t = numerator / denominator written as the exact fraction
// q = floor((510 n + d) / (2 d)). Along a row the diagonal modes' numerator grows by a fixed
// step per column, so q is stepped with a remainder instead of a division per pixel. U is
// 64-bit for every rectangle whose sides fit in 24 bits, and 128-bit beyond.
template <typename U>
class StepCounter {
 public:
  StepCounter(U numerator, U step, U denominator) : step_(step * 510), denominator_(denominator * 2) {
    const U scaled = numerator * 510 + denominator;
    q_ = static_cast<int>(std::min<U>(scaled / denominator_, 255));
    remainder_ = scaled % denominator_;
  }
  // Inside the rectangle t stays below 1, so q never passes 255; the mask only keeps a
  // lookup in the ramp whatever happens.
  int q() const { return q_ & 0xFF; }
  void Advance() {
    remainder_ += step_;
    while (remainder_ >= denominator_) {
      remainder_ -= denominator_;
      ++q_;
    }
  }

 private:
  U step_;
  U denominator_;
  U remainder_ = 0;
  int q_ = 0;
};

// The gradient position of column dx (0 at the left edge) and row dy as a fraction
// numerator / denominator, and the numerator's step from one column to the next. The
// backward diagonal runs from the top-right corner, so its column term falls to the right.
struct Position {
  u128 numerator;
  u128 step;
  u128 denominator;
  bool falling = false;
};

Position PositionOf(std::uint64_t dx, std::uint64_t dy, std::uint64_t w, std::uint64_t h, GradientMode mode) {
  switch (mode) {
    case GradientVertical:
      return {dy, 0, h};
    case GradientForwardDiagonal:
      return {u128(dx) * h + u128(dy) * w, h, u128(2) * w * h};
    case GradientBackwardDiagonal:
      return {u128(w - dx) * h + u128(dy) * w, h, u128(2) * w * h, true};
    case GradientHorizontal:
    default:
      return {dx, 1, w};
  }
}

}  // namespace

Color GradientColorAt(std::int32_t px, std::int32_t py, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, Color from, Color to, GradientMode mode) {
  std::uint32_t pixel = 0;
  GradientRow(&pixel, px, px + 1, py, x, y, width, height, from, to, mode);
  return FromPixel(pixel);
}

namespace {

template <typename U>
void FillRow(std::uint32_t* out, std::int64_t count, const Position& start, const Position& last,
             const std::uint32_t* ramp) {
  if (!start.falling) {
    StepCounter<U> counter(static_cast<U>(start.numerator), static_cast<U>(start.step),
                           static_cast<U>(start.denominator));
    for (std::int64_t i = 0; i < count; ++i, counter.Advance()) out[i] = ramp[counter.q()];
    return;
  }
  // Falling position: walk the row from its right end, where the position is smallest.
  StepCounter<U> counter(static_cast<U>(last.numerator), static_cast<U>(last.step), static_cast<U>(last.denominator));
  for (std::int64_t i = count - 1; i >= 0; --i, counter.Advance()) out[i] = ramp[counter.q()];
}

bool FitsSixtyFourBits(std::int32_t width, std::int32_t height) { return width < (1 << 24) && height < (1 << 24); }

}  // namespace

void GradientRow(std::uint32_t* out, std::int32_t x0, std::int32_t x1, std::int32_t py, std::int32_t x, std::int32_t y,
                 std::int32_t width, std::int32_t height, Color from, Color to, GradientMode mode) {
  if (width <= 0 || height <= 0 || x1 <= x0) return;
  const ColorRamp& ramp = RampFor(from, to);
  const std::uint64_t w = static_cast<std::uint64_t>(width);
  const std::uint64_t h = static_cast<std::uint64_t>(height);
  const std::uint64_t dy = static_cast<std::uint64_t>(static_cast<std::int64_t>(py) - y);
  const std::uint64_t dx0 = static_cast<std::uint64_t>(static_cast<std::int64_t>(x0) - x);
  const std::int64_t count = static_cast<std::int64_t>(x1) - x0;
  const Position start = PositionOf(dx0, dy, w, h, mode);
  const Position last = PositionOf(dx0 + static_cast<std::uint64_t>(count - 1), dy, w, h, mode);
  if (FitsSixtyFourBits(width, height)) {
    FillRow<std::uint64_t>(out, count, start, last, ramp.pixel);
  } else {
    FillRow<u128>(out, count, start, last, ramp.pixel);
  }
}

namespace {

// A diagonal gradient's position is (h dx + w dy) / 2wh, or with g = gcd(w, h) the integer
// M = (h/g) dx + (w/g) dy over T = 2wh/g (the backward diagonal counts w - dx instead of
// dx). When T is small next to the area, the colour of every M is worked out once and each
// pixel is a table lookup.
// The colours of M = 0 .. total - 1 (total at most 2^22) at t = M / total: step
// q = floor((510 M + total) / (2 total)) is reached at M = ceil(total (2q - 1) / 510), so
// each of the 256 steps is one run of the table.
void FillColorTable(std::uint32_t* table, std::int64_t total, const std::uint32_t* ramp) {
  std::int64_t begin = 0;
  for (std::int64_t q = 0; q < 256 && begin < total; ++q) {
    const std::int64_t end = std::min(total, (total * (2 * q + 1) + 509) / 510);
    FillPixels(table + begin, end - begin, ramp[q]);
    begin = end;
  }
}

// The table regrouped so that every row of the gradient is one run of it: a row's M
// falls by a from column to column (or rises, on the backward diagonal), so the colours of
// the M with one remainder r modulo a, in the order a row meets them, make a row read
// straight from memory. Entry r holds the colours of M = r, r + a, r + 2a, ... in the
// order of M for the forward diagonal and in the reverse order for the backward one.
struct DiagonalRows {
  std::int64_t total = 0;
  std::int64_t a = 0;
  bool backward = false;
  std::uint32_t ends[2] = {};
  std::vector<std::uint32_t> colors;      // the runs one after another
  std::vector<std::int64_t> start;        // where the run of remainder r begins
  std::int64_t Length(std::int64_t r) const { return (total - r + a - 1) / a; }
};

// The rows of the last diagonal gradient drawn on this thread, kept for the next: a picture
// is usually drawn again with the same background.
const DiagonalRows& DiagonalRowsFor(std::int64_t total, std::int64_t a, bool backward, const std::uint32_t* ramp) {
  thread_local DiagonalRows rows;
  if (rows.total == total && rows.a == a && rows.backward == backward && rows.ends[0] == ramp[0] &&
      rows.ends[1] == ramp[255]) {
    return rows;
  }
  std::vector<std::uint32_t> colorOf(static_cast<std::size_t>(total));
  FillColorTable(colorOf.data(), total, ramp);
  rows.total = total;
  rows.a = a;
  rows.backward = backward;
  rows.ends[0] = ramp[0];
  rows.ends[1] = ramp[255];
  rows.colors.resize(static_cast<std::size_t>(total));
  rows.start.resize(static_cast<std::size_t>(a));
  std::int64_t at = 0;
  for (std::int64_t r = 0; r < a; ++r) {
    rows.start[static_cast<std::size_t>(r)] = at;
    const std::int64_t length = rows.Length(r);
    for (std::int64_t k = 0; k < length; ++k) {
      const std::int64_t m = a * (backward ? length - 1 - k : k) + r;
      rows.colors[static_cast<std::size_t>(at + k)] = colorOf[static_cast<std::size_t>(m)];
    }
    at += length;
  }
  return rows;
}

bool PaintDiagonalByTable(std::uint32_t* pixels, std::int64_t stride, std::int32_t x0, std::int32_t x1, std::int32_t y0,
                          std::int32_t y1, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                          const std::uint32_t* ramp, GradientMode mode) {
  const std::int64_t g = std::gcd<std::int64_t>(width, height);
  const std::int64_t a = height / g;
  const std::int64_t b = width / g;
  const std::int64_t total = 2 * a * width;
  const std::int64_t area = (static_cast<std::int64_t>(x1) - x0) * (static_cast<std::int64_t>(y1) - y0);
  if (total > area || total > (std::int64_t{1} << 22)) return false;

  const bool backward = mode == GradientBackwardDiagonal;
  const DiagonalRows& rows = DiagonalRowsFor(total, a, backward, ramp);
  const std::int64_t dx0 = static_cast<std::int64_t>(x0) - x;
  const std::int64_t count = static_cast<std::int64_t>(x1) - x0;
  for (std::int64_t row = y0; row < y1; ++row) {
    // M at the row's first column, as r + a K.
    const std::int64_t m = (backward ? a * (width - dx0) : a * dx0) + b * (row - y);
    const std::int64_t r = m % a;
    const std::int64_t k = m / a;
    const std::int64_t first = backward ? rows.Length(r) - 1 - k : k;
    const std::uint32_t* from = rows.colors.data() + rows.start[static_cast<std::size_t>(r)] + first;
    std::copy(from, from + count, pixels + row * stride + x0);
  }
  return true;
}

}  // namespace

void GradientRect(std::uint32_t* pixels, std::int64_t stride, std::int32_t x0, std::int32_t x1, std::int32_t y0,
                  std::int32_t y1, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color from,
                  Color to, GradientMode mode) {
  if (x1 <= x0 || y1 <= y0) return;
  if ((mode == GradientForwardDiagonal || mode == GradientBackwardDiagonal) && width > 0 && height > 0 &&
      PaintDiagonalByTable(pixels, stride, x0, x1, y0, y1, x, y, width, height, RampFor(from, to).pixel, mode)) {
    return;
  }
  const std::int64_t count = static_cast<std::int64_t>(x1) - x0;
  if (mode == GradientVertical && width > 0 && height > 0 && FitsSixtyFourBits(width, height)) {
    // A vertical gradient's rows are solid: one colour per row, stepped down the rows as
    // the other modes step along a row.
    const std::uint32_t* ramp = RampFor(from, to).pixel;
    const auto dy0 = static_cast<std::uint64_t>(static_cast<std::int64_t>(y0) - y);
    StepCounter<std::uint64_t> counter(dy0, 1, static_cast<std::uint64_t>(height));
    for (std::int64_t row = y0; row < y1; ++row, counter.Advance()) {
      std::uint32_t* out = pixels + row * stride + x0;
      std::fill(out, out + count, ramp[counter.q()]);
    }
    return;
  }
  std::uint32_t* first = pixels + static_cast<std::int64_t>(y0) * stride + x0;
  GradientRow(first, x0, x1, y0, x, y, width, height, from, to, mode);
  for (std::int64_t row = static_cast<std::int64_t>(y0) + 1; row < y1; ++row) {
    std::uint32_t* out = pixels + row * stride + x0;
    if (mode == GradientHorizontal) {
      // Every row of a horizontal gradient is the same.
      std::copy(first, first + count, out);
    } else if (mode == GradientVertical) {
      // Every pixel of a vertical gradient's row is the same.
      std::uint32_t pixel = 0;
      GradientRow(&pixel, x0, x0 + 1, static_cast<std::int32_t>(row), x, y, width, height, from, to, mode);
      std::fill(out, out + count, pixel);
    } else {
      GradientRow(out, x0, x1, static_cast<std::int32_t>(row), x, y, width, height, from, to, mode);
    }
  }
}

}  // namespace pelmoro::raster
