// SVG and PDF from the save dialogs, "Export at any size...", and the preview on a screen
// of two device pixels per pixel, sharp or with smooth edges.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include "app/face_dlg.h"
#include "output/selection_tracker.h"
#include "output/ui/size_export_dialog.h"
#include "render/ui/face_preview.h"
#include "tests/support/shown_dialog.h"
#include "tests/support/widget_pictures.h"

namespace pelmoro {
namespace {

class ScaledExport : public ::testing::Test {
 protected:
  CFaceDlg& dialog() { return *shown.dialog; }
  CFacePreview& preview() { return shown.dialog->Preview(); }
  QString File(const QString& name) const { return folder.filePath(name); }
  QByteArray Head(const QString& name) const {
    QFile file(File(name));
    return file.open(QIODevice::ReadOnly) ? file.read(64) : QByteArray();
  }

  QTemporaryDir folder;
  ShownDialog shown;
};

TEST_F(ScaledExport, SaveDialogsOfferSvgAndPdfAndWriteThem) {
  shown.prompts.answer = File("face.svg");
  dialog().ExportPicture(ImageFormat::Png, false);
  EXPECT_EQ(shown.prompts.requests.back().filter, "PNG (*.png);;WebP (*.webp);;SVG (*.svg);;PDF (*.pdf)");
  EXPECT_TRUE(Head("face.svg").contains("<svg")) << Head("face.svg").constData();
  dialog().Action(ID_ENABLE_SELECTION)->trigger();
  preview().Tracker()->m_rect = Rect{30, 40, 150, 120};
  shown.prompts.answer = File("part.pdf");
  dialog().ExportPicture(ImageFormat::Gif, true);
  EXPECT_TRUE(Head("part.pdf").startsWith("%PDF-")) << Head("part.pdf").constData();
  EXPECT_TRUE(shown.prompts.errors.empty());
}

TEST_F(ScaledExport, AnySizeWritesTheChosenWidthFormatAndBackground) {
  SizedExport choice;
  choice.width = 1000;
  choice.transparent = true;
  shown.prompts.answer = File("big.png");
  dialog().ExportAtSize(choice);
  const QImage big(File("big.png"));
  EXPECT_EQ(big.size(), QSize(1000, 857));
  EXPECT_EQ(qAlpha(big.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(big.pixel(500, 428)), 255);

  dialog().Action(ID_ENABLE_SELECTION)->trigger();
  preview().Tracker()->m_rect = Rect{30, 40, 150, 120};
  choice.width = 448;
  choice.format = ImageFormat::Jpeg;
  choice.selectionOnly = true;
  shown.prompts.answer = File("part.jpg");
  dialog().ExportAtSize(choice);
  EXPECT_EQ(QImageReader(File("part.jpg")).size(), QSize(236, 156)) << "twice the frame's inside";
  EXPECT_TRUE(shown.prompts.errors.empty());

  shown.prompts.answer = File("no-such-folder/face.svg");
  dialog().ExportAtSize(choice);
  ASSERT_EQ(shown.prompts.errors.size(), 1u);
  EXPECT_TRUE(shown.prompts.errors[0].contains("no-such-folder")) << shown.prompts.errors[0].toStdString();
}

TEST(SizeExportDialog, FollowsTheWidthAndFormat) {
  CSizeExportDlg withSelection(true);
  EXPECT_EQ(withSelection.WidthBox()->count(), 4);
  withSelection.WidthBox()->setCurrentText(QStringLiteral("100"));
  withSelection.FormatBox()->setCurrentText(QStringLiteral("SVG"));
  withSelection.TransparentBox()->setChecked(true);
  withSelection.SelectionBox()->setChecked(true);
  auto choice = withSelection.Choice();
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->width, 100);
  EXPECT_EQ(SizedExport::HeightOf(choice->width), 86);
  EXPECT_EQ(choice->format, ImageFormat::Svg);
  EXPECT_TRUE(choice->transparent);
  EXPECT_TRUE(choice->selectionOnly);
  withSelection.FormatBox()->setCurrentText(QStringLiteral("BMP"));
  EXPECT_FALSE(withSelection.TransparentBox()->isEnabled());
  EXPECT_FALSE(withSelection.Choice()->transparent);
  for (const char* width : {"55", "3585", ""}) {
    withSelection.WidthBox()->setCurrentText(QString::fromLatin1(width));
    EXPECT_FALSE(withSelection.Choice().has_value()) << width;
  }

  CSizeExportDlg withoutSelection(false);
  withoutSelection.SelectionBox()->setChecked(true);
  EXPECT_FALSE(withoutSelection.Choice()->selectionOnly);
}

// The preview painted on a device of two pixels per picture pixel.
QImage ShownAtDoubleDensity(QWidget* widget) {
  QImage image(448, 384, QImage::Format_RGB32);
  image.setDevicePixelRatio(2);
  widget->render(&image);
  image.setDevicePixelRatio(1);
  return image;
}

TEST_F(ScaledExport, HighDensityPreviewShowsSharpBlocksOrSmoothEdges) {
  const QImage exact = PipelinePicture(preview().Picture());
  const QImage sharp = ShownAtDoubleDensity(&preview());
  int wrong = 0;
  for (int y = 0; y < 384; ++y) {
    for (int x = 0; x < 448; ++x) wrong += sharp.pixel(x, y) != exact.pixel(x / 2, y / 2);
  }
  EXPECT_EQ(wrong, 0) << "every picture pixel a 2 x 2 block of its own colour";

  dialog().Action(ID_SMOOTH_EDGES)->trigger();
  EXPECT_TRUE(preview().SmoothEdges());
  const QImage smooth = Shown(&preview());
  EXPECT_NE(smooth, exact.convertToFormat(smooth.format()));
  const QColor corner = smooth.pixelColor(2, 2);
  const QColor exactCorner = exact.pixelColor(2, 2);
  EXPECT_LE(std::abs(corner.red() - exactCorner.red()) + std::abs(corner.green() - exactCorner.green()) +
                std::abs(corner.blue() - exactCorner.blue()),
            3)
      << "the background's corner is the same colour, to within rounding";
  dialog().Action(ID_SMOOTH_EDGES)->trigger();
  EXPECT_FALSE(preview().SmoothEdges());
  EXPECT_EQ(Shown(&preview()), exact);
}

}  // namespace
}  // namespace pelmoro
