#pragma once
// The pixel buffer the rasteriser paints into, with clipped span and pixel writes.
#include <algorithm>
#include <cstdint>

namespace pelmoro::raster {

// Sets n pixels from p on. Spans of every length are written without a loop over single
// pixels and with few branches, since short spans of varying length are most of an
// outline: up to 3 pixels by three stores that overlap as needed, up to 16 by overlapping
// blocks of 4, longer ones 8 at a time with one last, overlapping block of 8. The blocks
// are stored as pixels (not as bytes, as memcpy would), so the compiler knows that other
// values stay untouched.
inline void FillPixels(std::uint32_t* p, std::int64_t n, std::uint32_t pixel) {
  typedef std::uint32_t Block __attribute__((vector_size(16), aligned(4)));
  if (n <= 3) {
    if (n > 0) {
      p[0] = pixel;
      p[n >> 1] = pixel;
      p[n - 1] = pixel;
    }
    return;
  }
  const Block block = {pixel, pixel, pixel, pixel};
  auto store = [&](std::int64_t i) { *reinterpret_cast<Block*>(p + i) = block; };
  if (n <= 8) {
    store(0);
    store(n - 4);
    return;
  }
  if (n <= 16) {
    store(0);
    store(4);
    store(n - 8);
    store(n - 4);
    return;
  }
  // The first block as it falls, then blocks on 16-byte boundaries, which never straddle a
  // cache line (a straddling store costs about two), then the last two as they fall.
  store(0);
  std::int64_t i = static_cast<std::int64_t>((16 - (reinterpret_cast<std::uintptr_t>(p) & 15)) & 15) / 4;
  for (; i + 8 <= n; i += 8) {
    store(i);
    store(i + 4);
  }
  store(n - 8);
  store(n - 4);
}

struct PixelTarget {
  std::uint32_t* bits = nullptr;  // width * height pixels, row after row
  std::int64_t width = 0;
  std::int64_t height = 0;

  bool RowVisible(std::int64_t y) const { return y >= 0 && y < height; }

  // Paints the pixels x0..x1 (both included) of row y that lie inside the surface.
  void Span(std::int64_t y, std::int64_t x0, std::int64_t x1, std::uint32_t pixel) const {
    if (y < 0 || y >= height) return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, width - 1);
    if (x0 > x1) return;
    FillPixels(bits + y * width + x0, x1 - x0 + 1, pixel);
  }

  void Put(std::int64_t x, std::int64_t y, std::uint32_t pixel) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    bits[y * width + x] = pixel;
  }
};

}  // namespace pelmoro::raster
