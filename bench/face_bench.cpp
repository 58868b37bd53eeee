#include <benchmark/benchmark.h>

#include <QImage>
#include <vector>

#include "busiest_face.h"
#include "model/random.h"
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

// Random faces (seeds 1..64, over the start-up gradient) painted in turn, so that few
// figures repeat the sizes of the one drawn before: the raster surface's per-thread tables
// of curve insets and gradient colours help less than when one face is drawn again.
void BM_PaintRandomFacesRaster(benchmark::State& state) {
  std::vector<FacePicture> faces(64);
  for (std::size_t i = 0; i < faces.size(); ++i) {
    CRandom random(static_cast<std::uint32_t>(i + 1));
    faces[i].m_face.Randomize(random);
    faces[i].m_fill.ApplyStartupFill();
  }
  CMemoryDC dc(224, 192, 0);
  std::size_t next = 0;
  for (auto _ : state) {
    faces[next].Paint(dc);
    next = (next + 1) % faces.size();
    benchmark::DoNotOptimize(dc.Bits());
  }
}
BENCHMARK(BM_PaintRandomFacesRaster);

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
