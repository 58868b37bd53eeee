#include <benchmark/benchmark.h>

#include <vector>

#include "busiest_face.h"
#include "output/animation_export.h"

namespace pelmoro {
namespace {

// Ten seconds of the busiest face's animation, as pelmoro-render --animation 10 writes it.
void BM_Animation(benchmark::State& state, ImageFormat format) {
  const FacePicture picture = bench::BusiestFace();
  ExportOptions options;
  options.format = format;
  std::vector<std::uint8_t> out;
  for (auto _ : state) {
    if (!EncodeAnimation(picture, CRandom(7), options, 10, out)) state.SkipWithError("encoding failed");
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["bytes"] = static_cast<double>(out.size());
}
BENCHMARK_CAPTURE(BM_Animation, Gif, ImageFormat::Gif)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Animation, Webp, ImageFormat::Webp)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelmoro
