// The Edit menu: every kind of step is undone and redone through the main window, slider
// drags and key bursts merge, and Copy picture puts the exported picture on the clipboard.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include "app/face_dlg.h"
#include "app/start_document.h"
#include "fill/ui/fill_type_dlg.h"
#include "model/document.h"
#include "output/picture_export.h"
#include "output/ui/selection_menu.h"
#include "render/ui/face_preview.h"
#include "tests/support/qt_files.h"
#include "tests/support/shown_dialog.h"
#include "tests/support/slider_geometry.h"

namespace pelmoro {
namespace {

class EditCommands : public ::testing::Test {
 protected:
  CFaceDlg& dialog() { return *shown.dialog; }
  CFacePreview& preview() { return shown.dialog->Preview(); }
  QUndoStack& history() { return dialog().History(); }

  // Takes the step, then checks that Undo brings back the face, fill and controls from
  // before it, named as `name`, and Redo the ones after it.
  void ExpectUndoable(const char* name, const std::function<void()>& step) {
    SCOPED_TRACE(name);
    const CFace face = preview().Face();
    const FillSettings fill = preview().Fill();
    const int glasses = dialog().GlassesList()->currentIndex();
    step();
    const CFace afterFace = preview().Face();
    const FillSettings afterFill = preview().Fill();
    const bool afterError = preview().LoadError();
    ASSERT_TRUE(!(afterFace == face) || !(afterFill == fill) || afterError);
    EXPECT_EQ(dialog().Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo ") + name);
    dialog().Action(ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(preview().Face(), face);
    EXPECT_EQ(preview().Fill(), fill);
    EXPECT_FALSE(preview().LoadError());
    EXPECT_EQ(dialog().GlassesList()->currentIndex(), glasses);
    EXPECT_EQ(dialog().Action(ID_EDIT_REDO)->text(), QStringLiteral("&Redo ") + name);
    dialog().Action(ID_EDIT_REDO)->trigger();
    EXPECT_EQ(preview().Face(), afterFace);
    EXPECT_EQ(preview().Fill(), afterFill);
    EXPECT_EQ(preview().LoadError(), afterError);
  }

  void Drag(QSlider* slider, int from, int to) {
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, SliderHandleCentre(slider, from));
    for (int value = from; value != to;) {
      value += to > from ? 1 : -1;
      QTest::mouseMove(slider, SliderHandleCentre(slider, value));
    }
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, SliderHandleCentre(slider, to));
  }

  QString Open(const CFace& face, std::size_t size) {
    const QString path = folder.filePath(QStringLiteral("face.plm"));
    const auto bytes = EncodeDocument(face, preview().Fill());
    WriteBytes(path, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + size));
    shown.prompts.answer = path;
    return path;
  }

  QTemporaryDir folder;
  ShownDialog shown;
};

TEST_F(EditCommands, EveryKindOfStepIsUndoneAndRedone) {
  ExpectUndoable("glasses",
                 [&] { dialog().GlassesList()->setCurrentIndex((dialog().GlassesList()->currentIndex() + 1) % 5); });
  ExpectUndoable("random face", [&] { QTest::mouseClick(dialog().RandomFaceButton(), Qt::LeftButton); });
  ExpectUndoable("new face", [&] { dialog().OnNew(); });
  CFace other = preview().Face();
  other.glasses = (other.glasses + 1) % 5;
  other.SliderParameter(0) = (other.SliderParameter(0) + 3) % 10;
  ExpectUndoable("open", [&] {
    Open(other, kDocumentSize);
    dialog().OnOpen();
  });
  ExpectUndoable("open", [&] {
    Open(other, kDocumentSize - 1);
    dialog().OnOpen();
  });
  dialog().OnUndo();
  ExpectUndoable("fill type", [&] {
    QTimer::singleShot(0, [] {
      auto* fillDialog = qobject_cast<CFillTypeDlg*>(QApplication::activeModalWidget());
      ASSERT_NE(fillDialog, nullptr);
      fillDialog->SolidButton()->click();
      fillDialog->OkButton()->click();
    });
    preview().Selection().RunMenuCommand(kChangeFillTypeId);
  });
  // A file that cannot be read changes nothing and leaves no step; Save leaves none either.
  const int steps = history().count();
  shown.prompts.answer = folder.filePath(QStringLiteral("missing.plm"));
  dialog().OnOpen();
  shown.prompts.answer = folder.filePath(QStringLiteral("saved.plm"));
  dialog().OnSave();
  EXPECT_EQ(history().count(), steps);
}

TEST_F(EditCommands, OneDragOrKeyBurstOnASliderIsOneStep) {
  QSlider* slider = dialog().Slider(0);
  const CFace start = preview().Face();
  const int from = slider->value();
  Drag(slider, from, from < 5 ? 9 : 0);
  const CFace dragged = preview().Face();
  ASSERT_EQ(history().count(), 1);
  EXPECT_EQ(dialog().Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo face size"));
  slider->setFocus();
  const Qt::Key key = from < 5 ? Qt::Key_Left : Qt::Key_Right;
  for (int i = 0; i < 3; ++i) QTest::keyClick(slider, key);
  EXPECT_EQ(history().count(), 2);
  const CFace keyed = preview().Face();
  Drag(slider, slider->value(), from < 5 ? 9 : 0);
  EXPECT_EQ(history().count(), 3) << "a second drag is a step of its own";
  dialog().OnUndo();
  EXPECT_EQ(preview().Face(), keyed);
  EXPECT_EQ(slider->value(), keyed.SliderParameter(0));
  dialog().OnUndo();
  EXPECT_EQ(preview().Face(), dragged);
  dialog().OnUndo();
  EXPECT_EQ(preview().Face(), start);
  EXPECT_EQ(slider->value(), std::min(start.SliderParameter(0), 9));
}

TEST_F(EditCommands, KeysRunTheCommandsAndOpenTheMenus) {
  EXPECT_EQ(dialog().Action(ID_FILE_OPEN)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  EXPECT_EQ(dialog().Action(ID_FILE_SAVE)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
  EXPECT_EQ(dialog().Action(ID_APP_EXIT)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
  EXPECT_EQ(dialog().Action(ID_EDIT_COPY)->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
  dialog().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog()));
  const CFace start = preview().Face();
  QTest::keyClick(&dialog(), Qt::Key_N, Qt::ControlModifier);
  const CFace fresh = preview().Face();
  ASSERT_FALSE(fresh == start);
  QTest::keyClick(&dialog(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(preview().Face(), start);
  QTest::keyClick(&dialog(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(preview().Face(), fresh);
  dialog().OnUndo();
  QTest::keyClick(&dialog(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(preview().Face(), fresh);

  for (const auto& [key, modifier, menu] :
       {std::tuple{Qt::Key_F, Qt::AltModifier, 0}, std::tuple{Qt::Key_E, Qt::AltModifier, 1},
        std::tuple{Qt::Key_F10, Qt::NoModifier, 0}}) {
    QMenu* opened = dialog().MenuBar()->actions().at(menu)->menu();
    QTest::keyClick(&dialog(), key, modifier);
    EXPECT_TRUE(QTest::qWaitFor([opened] { return opened->isVisible(); })) << key;
    QTest::keyClick(opened, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([opened] { return !opened->isVisible(); }));
    EXPECT_TRUE(dialog().isVisible());
  }
}

TEST_F(EditCommands, CopyPutsTheExportedPictureOnTheClipboard) {
  dialog().OnCopy();
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  PicturePixels exact;
  ASSERT_TRUE(DrawPicturePixels(preview().Picture(), ExportOptions{}, exact));
  const QImage expected(reinterpret_cast<const uchar*>(exact.pixels.data()), exact.width, exact.height, exact.width * 4,
                        QImage::Format_RGB32);
  EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB32), expected);
  std::vector<std::uint8_t> svg;
  ExportOptions asSvg;
  asSvg.format = ImageFormat::Svg;
  ASSERT_TRUE(EncodePicture(preview().Picture(), asSvg, svg));
  EXPECT_EQ(copied->data(QStringLiteral("image/svg+xml")),
            QByteArray(reinterpret_cast<const char*>(svg.data()), static_cast<qsizetype>(svg.size())));

  dialog().OnEnableSelection();
  ASSERT_TRUE(preview().HasSelection());
  const Rect frame = preview().Tracker()->m_rect;
  dialog().OnCopy();
  const QImage inside = qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
  const std::optional<Rect> area = InsideOfFrame(frame, exact.width, exact.height);
  ASSERT_TRUE(area);
  EXPECT_EQ(inside.convertToFormat(QImage::Format_RGB32),
            expected.copy(area->left, area->top, area->Width(), area->bottom - area->top));
}

TEST_F(EditCommands, DocumentOpensFromTheCommandLineAndByADrop) {
  CFace face = preview().Face();
  face.glasses = (face.glasses + 1) % 5;
  const QString path = Open(face, kDocumentSize);
  dialog().OnNew();
  dialog().OpenStartDocument(path);
  EXPECT_EQ(preview().Face(), face);
  EXPECT_EQ(history().count(), 0) << "the unseen start-up face is no step";

  dialog().OnNew();
  for (const char* name : {"face.plm", "face.txt"}) {
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(folder.filePath(QString::fromLatin1(name)))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog(), &enter);
    EXPECT_EQ(enter.isAccepted(), name == std::string("face.plm")) << name;
  }
  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(path)});
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&dialog(), &drop);
  EXPECT_EQ(preview().Face(), face);
  EXPECT_EQ(dialog().Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo open"));
}

TEST(StartDocumentTest, TakesOneDocumentAndRefusesOtherArguments) {
  EXPECT_EQ(ChooseStartDocument({}).path, QString());
  EXPECT_EQ(ChooseStartDocument({"a.plm"}).path, QStringLiteral("a.plm"));
  EXPECT_EQ(ChooseStartDocument({"--", "-a.plm"}).path, QStringLiteral("-a.plm"));
  for (const QStringList& refused : {QStringList{"a.plm", "b.plm"}, {"--help"}, {"-x"}, {""}, {"--", "a", "b"}})
    EXPECT_TRUE(ChooseStartDocument(refused).refused) << refused.join(u' ').toStdString();
}

}  // namespace
}  // namespace pelmoro
