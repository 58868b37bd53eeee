// Figures far larger than the surface: the rasteriser's work should follow the visible
// part only, so each of these costs about as much as a figure of the surface's size.
#include <benchmark/benchmark.h>

#include <climits>
#include <random>
#include <vector>

#include "render/memory_dc.h"

namespace pelmoro {
namespace {

constexpr Rect kHugeBox = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};

void BM_HugeEllipse(benchmark::State& state) {
  CMemoryDC dc(32, 32);
  for (auto _ : state) {
    dc.Ellipse(kHugeBox);
    dc.Ellipse({-2000000000, -9, 2000000000, 31});  // a flat one whose outline crosses the surface
    benchmark::DoNotOptimize(dc.Bits());
  }
}
BENCHMARK(BM_HugeEllipse);

// Arc, chord and pie of the largest box, from the right-hand ray to the left-hand one.
void BM_HugeArcFigures(benchmark::State& state) {
  CMemoryDC dc(40, 30);
  for (auto _ : state) {
    dc.Arc(kHugeBox, {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN});
    dc.Chord(kHugeBox, {INT_MAX, 3}, {INT_MIN, INT_MIN});
    dc.Pie(kHugeBox, {INT_MIN, 7}, {INT_MAX, INT_MIN});
    benchmark::DoNotOptimize(dc.Bits());
  }
}
BENCHMARK(BM_HugeArcFigures);

// Polygons with vertices up to two billion pixels away, some edges crossing the surface.
void BM_HugePolygons(benchmark::State& state) {
  std::mt19937 random(5);
  auto huge = [&] { return static_cast<int>(static_cast<long long>(random() % 4000000001u) - 2000000000); };
  std::vector<std::vector<Point>> polygons(64);
  for (std::vector<Point>& polygon : polygons) {
    const int n = 3 + static_cast<int>(random() % 5);
    for (int j = 0; j < n; ++j) {
      polygon.push_back(random() % 3 == 0
                            ? Point{static_cast<int>(random() % 30) - 7, static_cast<int>(random() % 30) - 7}
                            : Point{huge(), huge()});
    }
  }
  CMemoryDC dc(16, 16);
  for (auto _ : state) {
    for (const std::vector<Point>& polygon : polygons) dc.Polygon(polygon.data(), static_cast<int>(polygon.size()));
    benchmark::DoNotOptimize(dc.Bits());
  }
}
BENCHMARK(BM_HugePolygons);

}  // namespace
}  // namespace pelmoro
