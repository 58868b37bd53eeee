#include <benchmark/benchmark.h>

#include "render/memory_dc.h"

namespace pelmoro {
namespace {

// The floor: one plain fill of the whole 224 x 192 buffer.
void BM_ClearSurface(benchmark::State& state) {
  CMemoryDC dc(224, 192);
  for (auto _ : state) {
    dc.FillSolidRect(0, 0, 224, 192, 0x00740115);
    benchmark::DoNotOptimize(dc.Bits());
  }
}
BENCHMARK(BM_ClearSurface);

void BM_PaintGradient(benchmark::State& state) {
  CMemoryDC dc(224, 192);
  const auto mode = static_cast<GradientMode>(state.range(0));
  for (auto _ : state) {
    dc.GradientFill(0, 0, 224, 192, 0x00740115, 0x00FFFFFF, mode);
    benchmark::DoNotOptimize(dc.Bits());
  }
}
BENCHMARK(BM_PaintGradient)->ArgName("mode")->DenseRange(0, 3);

}  // namespace
}  // namespace pelmoro
