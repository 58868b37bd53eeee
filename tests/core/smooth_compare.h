#pragma once
// Compares a picture drawn smooth with the exact picture of the same size: antialiasing and
// outlines through pixel centres move colours only along the exact picture's edges, so a
// pixel may differ only where the exact picture changes colour close by.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "output/image.h"

namespace pelmoro::testing {

// The largest difference of the four channels (alpha included) of two pixels.
inline int ChannelDistance(std::uint32_t a, std::uint32_t b) {
  int most = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  }
  return most;
}

inline std::string Hex(std::uint32_t pixel) {
  char text[12];
  std::snprintf(text, sizeof text, "#%08X", pixel);
  return text;
}

// The picture shrunk by `factor` in both directions, each pixel the mean of its block.
inline std::vector<std::uint32_t> Shrunk(const ImageView& big, int factor) {
  const int w = big.width / factor;
  const int h = big.height / factor;
  std::vector<std::uint32_t> small(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint32_t sums[4] = {};
      for (int j = 0; j < factor; ++j) {
        for (int i = 0; i < factor; ++i) {
          const std::uint32_t p = big.Row(y * factor + j)[x * factor + i];
          for (int c = 0; c < 4; ++c) sums[c] += (p >> (8 * c)) & 0xFF;
        }
      }
      std::uint32_t mean = 0;
      const std::uint32_t n = static_cast<std::uint32_t>(factor * factor);
      for (int c = 0; c < 4; ++c) mean |= ((sums[c] + n / 2) / n) << (8 * c);
      small[static_cast<std::size_t>(y) * w + x] = mean;
    }
  }
  return small;
}

// Success when every pixel of `smooth` that differs from `exact` by more than `tolerance`
// lies within two pixels of a colour change of `exact`, or on the outermost pixels, where a
// figure's edge can run along the border unseen, and such pixels are at most `maxShare`
// of all.
inline ::testing::AssertionResult DiffersOnlyAlongEdges(const ImageView& exact, const ImageView& smooth,
                                                        double maxShare, int tolerance = 12) {
  if (exact.width != smooth.width || exact.height != smooth.height) {
    return ::testing::AssertionFailure() << "sizes differ: " << exact.width << " x " << exact.height << " and "
                                         << smooth.width << " x " << smooth.height;
  }
  auto nearEdge = [&](int x, int y) {
    if (x == 0 || y == 0 || x == exact.width - 1 || y == exact.height - 1) return true;
    const std::uint32_t centre = exact.Row(y)[x];
    for (int j = std::max(y - 2, 0); j <= std::min(y + 2, exact.height - 1); ++j) {
      for (int i = std::max(x - 2, 0); i <= std::min(x + 2, exact.width - 1); ++i) {
        if (ChannelDistance(exact.Row(j)[i], centre) > tolerance) return true;
      }
    }
    return false;
  };
  int differing = 0;
  for (int y = 0; y < exact.height; ++y) {
    for (int x = 0; x < exact.width; ++x) {
      if (ChannelDistance(exact.Row(y)[x], smooth.Row(y)[x]) <= tolerance) continue;
      ++differing;
      if (!nearEdge(x, y)) {
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << Hex(smooth.Row(y)[x])
                                             << " instead of " << Hex(exact.Row(y)[x]) << ", away from any edge";
      }
    }
  }
  const double share = static_cast<double>(differing) / (static_cast<double>(exact.width) * exact.height);
  if (share > maxShare) return ::testing::AssertionFailure() << differing << " pixels differ, a share of " << share;
  return ::testing::AssertionSuccess();
}

}  // namespace pelmoro::testing
