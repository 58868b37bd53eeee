// The picture export writes the pipeline's pixels, never the selection frame, leaves the
// selection as it was, and reports a failure without touching the old file; the animation
// export draws from a copy of the window's generator.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "app/face_dlg.h"
#include "model/random.h"
#include "model/safe_file.h"
#include "output/animation_export.h"
#include "output/selection_tracker.h"
#include "output/ui/export_command.h"
#include "render/ui/face_preview.h"
#include "tests/support/qt_files.h"
#include "tests/support/shown_dialog.h"
#include "tests/support/widget_pictures.h"

namespace pelmoro {
namespace {

class Export : public ::testing::Test {
 protected:
  CFaceDlg& dialog() { return *shown.dialog; }
  CFacePreview& preview() { return shown.dialog->Preview(); }
  QString File(const QString& name) const { return folder.filePath(name); }

  QImage ExportAs(ImageFormat format, const QString& name, bool selectionOnly = false) {
    shown.prompts.answer = File(name);
    dialog().ExportPicture(format, selectionOnly);
    return QImage(File(name)).convertToFormat(QImage::Format_RGB32);
  }

  QTemporaryDir folder;
  ShownDialog shown;
};

TEST_F(Export, LosslessFormatsHoldExactlyThePipelinePixels) {
  const QImage expected = PipelinePicture(preview().Picture());
  EXPECT_EQ(ExportAs(ImageFormat::Png, "face.png"), expected);
  EXPECT_EQ(ExportAs(ImageFormat::Bmp, "face.bmp"), expected);
  EXPECT_EQ(ExportAs(ImageFormat::Tiff, "face.tiff"), expected);
  // A WebP name chosen in any export's save dialog writes WebP.
  EXPECT_EQ(ExportAs(ImageFormat::Jpeg, "face.webp"), expected);
  EXPECT_EQ(QImageReader(File("face.webp")).format(), "webp");
  EXPECT_TRUE(shown.prompts.errors.empty());
}

TEST_F(Export, EveryMenuEntryWritesItsFormat) {
  const char* names[] = {"a.bmp", "a.gif", "a.jpg", "a.png", "a.tiff"};
  const char* readerFormats[] = {"bmp", "gif", "jpeg", "png", "tiff"};
  const std::vector<ExportCommand> formats = ExportCommands();
  ASSERT_EQ(formats.size(), 5u);
  for (std::size_t i = 0; i < formats.size(); ++i) {
    shown.prompts.answer = File(names[i]);
    dialog().Action(formats[i].commandId)->trigger();
    QImageReader reader(File(names[i]));
    EXPECT_EQ(reader.format(), readerFormats[i]) << names[i];
    EXPECT_EQ(reader.size(), QSize(224, 192)) << names[i];
    const FileDialogRequest& request = shown.prompts.requests.back();
    EXPECT_EQ(request.defaultSuffix, QString::fromLatin1(DefaultExtension(formats[i].format) + 1));
    EXPECT_FALSE(request.directory.isEmpty());
  }
  EXPECT_EQ(shown.prompts.requests[2].filter, "JPEG (*.jpg *.jpeg);;WebP (*.webp);;SVG (*.svg);;PDF (*.pdf)");
  EXPECT_EQ(shown.prompts.requests[3].filter, "PNG (*.png);;WebP (*.webp);;SVG (*.svg);;PDF (*.pdf)");
}

TEST_F(Export, SelectionFrameIsLeftOutAndStaysShown) {
  dialog().Action(ID_ENABLE_SELECTION)->trigger();
  preview().Tracker()->m_rect = Rect{30, 40, 150, 120};
  const QImage withFrame = Shown(&preview());
  const QImage expected = PipelinePicture(preview().Picture());
  ASSERT_NE(withFrame, expected) << "the frame should show in the window";

  EXPECT_EQ(ExportAs(ImageFormat::Png, "whole.png"), expected);
  EXPECT_TRUE(preview().IsSelectionShown());
  EXPECT_EQ(preview().Tracker()->m_rect, (Rect{30, 40, 150, 120}));
  EXPECT_EQ(Shown(&preview()), withFrame);

  const QImage part = ExportAs(ImageFormat::Png, "part.png", true);
  EXPECT_EQ(part, expected.copy(31, 41, 118, 78)) << "the inside of the frame, without the frame line";
  EXPECT_EQ(preview().Tracker()->m_rect, (Rect{30, 40, 150, 120}));
  EXPECT_EQ(Shown(&preview()), withFrame);
}

TEST_F(Export, LoadingErrorIsExportedAsShown) {
  const std::vector<std::uint8_t> empty;
  WriteBytes(File("empty.plm"), empty);
  shown.prompts.answer = File("empty.plm");
  dialog().OnOpen();
  ASSERT_TRUE(preview().LoadError());
  EXPECT_EQ(ExportAs(ImageFormat::Png, "error.png"), Shown(&preview()));
}

TEST_F(Export, CancelledExportWritesNothing) {
  shown.prompts.answer = QString();
  dialog().ExportPicture(ImageFormat::Png, false);
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
  EXPECT_TRUE(shown.prompts.errors.empty());
}

TEST_F(Export, FailingExportShowsFileAndReasonAndKeepsTheOldFile) {
  const std::vector<std::uint8_t> old{'o', 'l', 'd'};
  WriteBytes(File("old.png"), old);
  SimulateDiskFullForTesting(true);
  ExportAs(ImageFormat::Png, "old.png");
  SimulateDiskFullForTesting(false);
  ASSERT_EQ(shown.prompts.errors.size(), 1u);
  EXPECT_TRUE(shown.prompts.errors[0].contains(File("old.png"))) << shown.prompts.errors[0].toStdString();
  EXPECT_TRUE(shown.prompts.errors[0].contains("space")) << shown.prompts.errors[0].toStdString();
  EXPECT_EQ(ReadBytes(File("old.png")), old);

  ExportAs(ImageFormat::Png, "no-such-folder/face.png");
  ASSERT_EQ(shown.prompts.errors.size(), 2u);
  EXPECT_TRUE(shown.prompts.errors[1].contains("no-such-folder/face.png"));
}

TEST_F(Export, AnimationComesFromACopyOfTheWindowsGeneratorAndReportsFailures) {
  CRandom generator(1234);  // the dialog's seed, after the start-up face's draws
  CFace startFace;
  startFace.Randomize(generator);
  auto expected = [&](ImageFormat format, int seconds) {
    ExportOptions options;
    options.format = format;
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(EncodeAnimation(preview().Picture(), generator, options, seconds, bytes).ok());
    return bytes;
  };
  shown.prompts.number = 2;
  shown.prompts.answer = File("face.webp");
  dialog().Action(ID_EXPORT_ANIMATION)->trigger();
  EXPECT_EQ(ReadBytes(File("face.webp")), expected(ImageFormat::Webp, 2));
  const NumberRequest& asked = shown.prompts.numberRequests.back();
  EXPECT_EQ(std::vector<int>({asked.value, asked.minimum, asked.maximum}), std::vector<int>({10, 1, 600}));
  EXPECT_EQ(shown.prompts.requests.back().filter, "GIF (*.gif);;WebP (*.webp)");
  // A second export starts from the same state: the first one left the generator alone.
  shown.prompts.answer = File("face.gif");
  dialog().Action(ID_EXPORT_ANIMATION)->trigger();
  EXPECT_EQ(ReadBytes(File("face.gif")), expected(ImageFormat::Gif, 2));

  shown.prompts.number.reset();
  const std::size_t dialogs = shown.prompts.requests.size();
  dialog().Action(ID_EXPORT_ANIMATION)->trigger();
  EXPECT_EQ(shown.prompts.requests.size(), dialogs) << "no file is asked for after Cancel";
  shown.prompts.number = 1;
  shown.prompts.answer = File("no-such-folder/a.gif");
  dialog().Action(ID_EXPORT_ANIMATION)->trigger();
  ASSERT_EQ(shown.prompts.errors.size(), 1u);
  EXPECT_TRUE(shown.prompts.errors[0].contains("no-such-folder/a.gif")) << shown.prompts.errors[0].toStdString();
  shown.prompts.answer = File("still.png");
  dialog().Action(ID_EXPORT_ANIMATION)->trigger();
  ASSERT_EQ(shown.prompts.errors.size(), 2u);
  EXPECT_TRUE(shown.prompts.errors[1].contains("GIF or WebP") && !QFile::exists(File("still.png")));
}

}  // namespace
}  // namespace pelmoro
