#include <benchmark/benchmark.h>

#include <QImage>

#include "busiest_face.h"
#include "qpainter_replay.h"
#include "render/memory_dc.h"
#include "render/recording_surface.h"

namespace pelmoro {
namespace {

// A full paint of the busiest face on the project's raster surface.
void BM_PaintFaceRaster(benchmark::State& state) {
  FacePicture picture = bench::BusiestFace();
  CMemoryDC dc(224, 192, picture.m_fill.m_crBackground);
  for (auto _ : state) {
    picture.Paint(dc);
    benchmark::DoNotOptimize(dc.Bits());
  }
}
BENCHMARK(BM_PaintFaceRaster);

// The same figures replayed through QPainter on a QImage without antialiasing.
void BM_PaintFaceQPainter(benchmark::State& state) {
  FacePicture picture = bench::BusiestFace();
  RecordingSurface recording;
  picture.Paint(recording);
  QImage image(224, 192, QImage::Format_RGB32);
  for (auto _ : state) {
    bench::ReplayWithQPainter(recording, image);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["figures"] = static_cast<double>(recording.calls().size());
}
BENCHMARK(BM_PaintFaceQPainter);

}  // namespace
}  // namespace pelmoro
