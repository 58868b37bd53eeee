// Saving the selection from the preview's context menu: the main window writes the inside
// of the frame in every format, and nothing when the frame has no inside.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "app/face_dlg.h"
#include "output/selection_tracker.h"
#include "render/memory_dc.h"
#include "render/ui/face_preview.h"
#include "tests/support/fake_prompts.h"
#include "tests/support/widget_pictures.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {
namespace {

class SelectionExport : public ::testing::Test {
 protected:
  SelectionExport() : dialog(2024) {
    dialog.SetUserPrompts(prompts);
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.Action(ID_ENABLE_SELECTION)->trigger();
  }

  CFacePreview& preview() { return dialog.Preview(); }

  // "Save selection as..." with the file name the user types.
  bool Export(ImageFormat format, const QString& name) {
    prompts.answer = folder.filePath(name);
    emit preview().selectionExportRequested(format);
    return QFileInfo::exists(prompts.answer);
  }

  FakePrompts prompts;
  CFaceDlg dialog;
  QTemporaryDir folder;
};

TEST_F(SelectionExport, WritesTheInsideOfTheFrameInEveryFormat) {
  ASSERT_NE(preview().Tracker(), nullptr);
  preview().Tracker()->m_rect = Rect{20, 30, 120, 110};
  const QImage expected = PipelinePicture(preview().Picture()).copy(21, 31, 98, 78);
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
  EXPECT_EQ(preview().Tracker()->m_rect, (Rect{20, 30, 120, 110}));
}

TEST_F(SelectionExport, FrameWithoutInsideWritesNothingAndSaysSo) {
  // Where a drag past the right edge can leave the frame: one pixel wide.
  preview().Tracker()->m_rect = Rect{222, 50, 223, 100};
  EXPECT_FALSE(Export(ImageFormat::Png, "empty.png"));
  ASSERT_EQ(prompts.errors.size(), 1u);
  EXPECT_TRUE(prompts.errors[0].contains("empty.png"));
}

}  // namespace
}  // namespace pelmoro
