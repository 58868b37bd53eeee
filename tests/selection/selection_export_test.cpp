// Saving the selection: the inside of the frame, in every format, and nothing when the
// frame has no inside.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <vector>

#include "answering_prompts.h"
#include "model/random.h"
#include "output/ui/export_command.h"
#include "output/ui/selection_tracker.h"
#include "render/memory_dc.h"
#include "render/ui/face_preview.h"

namespace pelmoro {
namespace {

class SelectionExport : public ::testing::Test {
 protected:
  SelectionExport() : random(2024), preview(random) {
    preview.Face().Randomize(random);
    preview.Fill().ApplyStartupFill();
    preview.EnableSelection();
  }

  QImage Pipeline() {
    FacePicture copy = preview.Picture();
    CMemoryDC dc(FacePicture::kWidth, FacePicture::kHeight);
    copy.Paint(dc);
    return WrapSurface(dc).copy();
  }

  bool Export(ImageFormat format, const QString& name) {
    prompts.answer = folder.filePath(name);
    return ExportPreviewPicture(nullptr, preview, format, true, prompts);
  }

  CRandom random;
  CFacePreview preview;
  AnsweringPrompts prompts;
  QTemporaryDir folder;
};

TEST_F(SelectionExport, WritesTheInsideOfTheFrameInEveryFormat) {
  preview.Tracker()->m_rect = Rect{20, 30, 120, 110};
  const QImage expected = Pipeline().copy(21, 31, 98, 78);
  const struct {
    ImageFormat format;
    const char* name;
    bool lossless;
  } files[] = {{ImageFormat::Bmp, "s.bmp", true},
               {ImageFormat::Gif, "s.gif", false},
               {ImageFormat::Jpeg, "s.jpg", false},
               {ImageFormat::Png, "s.png", true},
               {ImageFormat::Tiff, "s.tiff", true}};
  for (const auto& file : files) {
    ASSERT_TRUE(Export(file.format, file.name)) << file.name;
    const QImage written = QImage(folder.filePath(file.name)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(written.size(), QSize(98, 78)) << file.name;
    if (file.lossless) {
      EXPECT_EQ(written, expected) << file.name;
    }
  }
  EXPECT_TRUE(prompts.errors.empty());
  EXPECT_EQ(preview.Tracker()->m_rect, (Rect{20, 30, 120, 110}));
}

TEST_F(SelectionExport, FrameWithoutInsideWritesNothingAndSaysSo) {
  // Where a drag past the right edge can leave the frame: one pixel wide.
  preview.Tracker()->m_rect = Rect{222, 50, 223, 100};
  EXPECT_FALSE(Export(ImageFormat::Png, "empty.png"));
  EXPECT_FALSE(QFileInfo::exists(folder.filePath("empty.png")));
  ASSERT_EQ(prompts.errors.size(), 1u);
  EXPECT_TRUE(prompts.errors[0].contains("empty.png"));
}

}  // namespace
}  // namespace pelmoro
