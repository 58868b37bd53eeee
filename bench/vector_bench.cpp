// The busiest face through the vector surface: drawn smooth into pixels at scale 1 and 8,
// alone and with PNG encoding, and written as SVG and PDF; the counters give file sizes.
#include <benchmark/benchmark.h>

#include <vector>

#include "busiest_face.h"
#include "output/picture_export.h"
#include "output/scaled_picture.h"

namespace pelmoro {
namespace {

void BM_DrawSmooth(benchmark::State& state) {
  FacePicture picture = bench::BusiestFace();
  const int scale = static_cast<int>(state.range(0));
  const PictureScene scene{[&picture](Surface& s) { picture.Paint(s); }, {0, 0, 224, 192}, false};
  SmoothPicture smooth;
  for (auto _ : state) {
    if (!DrawSmooth(scene, 224 * scale, 192 * scale, smooth)) state.SkipWithError("drawing failed");
    benchmark::DoNotOptimize(smooth.pixels.data());
  }
}
BENCHMARK(BM_DrawSmooth)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_ExportFigures(benchmark::State& state, ImageFormat format, double scale) {
  const FacePicture picture = bench::BusiestFace();
  ExportOptions options;
  options.format = format;
  options.scale = scale;
  std::vector<std::uint8_t> out;
  for (auto _ : state) {
    if (!EncodePicture(picture, options, out)) state.SkipWithError("encoding failed");
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["bytes"] = static_cast<double>(out.size());
}
BENCHMARK_CAPTURE(BM_ExportFigures, PngScale1, ImageFormat::Png, 1.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportFigures, PngScale8, ImageFormat::Png, 8.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportFigures, Svg, ImageFormat::Svg, 1.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportFigures, Pdf, ImageFormat::Pdf, 1.0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelmoro
