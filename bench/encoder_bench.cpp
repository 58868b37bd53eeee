#include <benchmark/benchmark.h>

#include <vector>

#include "busiest_face.h"
#include "output/image_writer.h"
#include "render/memory_dc.h"

namespace pelmoro {
namespace {

void BM_Encode(benchmark::State& state, ImageFormat format) {
  FacePicture picture = bench::BusiestFace();
  CMemoryDC dc(224, 192, picture.m_fill.m_crBackground);
  picture.Paint(dc);
  const ImageView view{dc.Width(), dc.Height(), dc.Bits(), dc.Width()};
  std::vector<std::uint8_t> out;
  for (auto _ : state) {
    if (!EncodeImage(format, view, out)) state.SkipWithError("encoding failed");
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["bytes"] = static_cast<double>(out.size());
}
BENCHMARK_CAPTURE(BM_Encode, Png, ImageFormat::Png);
BENCHMARK_CAPTURE(BM_Encode, Jpeg, ImageFormat::Jpeg);
BENCHMARK_CAPTURE(BM_Encode, Bmp, ImageFormat::Bmp);
BENCHMARK_CAPTURE(BM_Encode, Gif, ImageFormat::Gif);
BENCHMARK_CAPTURE(BM_Encode, Tiff, ImageFormat::Tiff);
BENCHMARK_CAPTURE(BM_Encode, Webp, ImageFormat::Webp);

}  // namespace
}  // namespace pelmoro
