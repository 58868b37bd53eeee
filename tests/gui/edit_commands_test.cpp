// The Edit menu and the keys: every kind of step is undone and redone through the main
// window, drags and key bursts merge, Copy puts the exported picture on the clipboard, and
// documents open from the command line and by a drop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
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
#include "ui_support/qt_bridge.h"

namespace pelmoro {
namespace {

class EditCommands : public ::testing::Test {
 protected:
  CFaceDlg& dialog() { return *shown.dialog; }
  CFacePreview& preview() { return shown.dialog->Preview(); }
  int Steps() { return dialog().History().count(); }
  QString UndoText() { return dialog().Action(ID_EDIT_UNDO)->text(); }

  // What a step changes and Undo brings back, with the list showing it.
  auto Shown() {
    return std::tuple(preview().Face(), preview().Fill(), preview().LoadError(),
                      dialog().GlassesList()->currentIndex());
  }
  // Takes the step; Undo, named after it, brings back what was before and Redo what came.
  void ExpectUndoable(const char* name, const std::function<void()>& step) {
    const auto before = Shown();
    step();
    const auto after = Shown();
    EXPECT_EQ(UndoText(), QStringLiteral("&Undo ") + name);
    dialog().Action(ID_EDIT_UNDO)->trigger();
    EXPECT_TRUE(Shown() == before) << name;
    EXPECT_EQ(dialog().Action(ID_EDIT_REDO)->text(), QStringLiteral("&Redo ") + name);
    dialog().Action(ID_EDIT_REDO)->trigger();
    EXPECT_TRUE(std::get<0>(Shown()) == std::get<0>(after) && std::get<1>(Shown()) == std::get<1>(after)) << name;
    EXPECT_EQ(preview().LoadError(), std::get<2>(after)) << name;
  }

  void Drag(QSlider* slider, int to) {
    QTest::mousePress(slider, Qt::LeftButton, {}, SliderHandleCentre(slider, slider->value()));
    for (int value = slider->value(); value != to; value += to > value ? 1 : -1)
      QTest::mouseMove(slider, SliderHandleCentre(slider, value));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, SliderHandleCentre(slider, to));
  }

  // Writes the face as a document of `size` bytes and answers the next file dialog with it.
  QString Document(const CFace& face, std::size_t size = kDocumentSize) {
    const auto bytes = EncodeDocument(face, preview().Fill());
    WriteBytes(shown.prompts.answer = folder.filePath(QStringLiteral("face.plm")),
               {bytes.begin(), bytes.begin() + size});
    return shown.prompts.answer;
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
  ExpectUndoable("open", [&] { dialog().OpenDocument(Document(other)); });
  ExpectUndoable("open", [&] { dialog().OpenDocument(Document(other, kDocumentSize - 1)); });
  dialog().OnUndo();
  ExpectUndoable("fill type", [&] {
    QTimer::singleShot(0, [] {
      auto* fillDialog = qobject_cast<CFillTypeDlg*>(QApplication::activeModalWidget());
      fillDialog->SolidButton()->click();
      fillDialog->OkButton()->click();
    });
    preview().Selection().RunMenuCommand(kChangeFillTypeId);
  });
  // A file that cannot be read and Save leave no step.
  const int steps = Steps();
  dialog().OpenDocument(folder.filePath(QStringLiteral("missing.plm")));
  dialog().OnSave();
  EXPECT_EQ(Steps(), steps);
}

TEST_F(EditCommands, OneDragOrKeyBurstOnASliderIsOneStep) {
  QSlider* slider = dialog().Slider(0);
  const CFace start = preview().Face();
  const bool low = slider->value() < 5;
  Drag(slider, low ? 9 : 0);
  EXPECT_EQ(UndoText(), QStringLiteral("&Undo face size"));
  const CFace dragged = preview().Face();
  for (int i = 0; i < 3; ++i) QTest::keyClick(slider, low ? Qt::Key_Left : Qt::Key_Right);
  const CFace keyed = preview().Face();
  Drag(slider, low ? 9 : 0);
  ASSERT_EQ(Steps(), 3);
  for (const CFace& earlier : {keyed, dragged, start}) {
    dialog().OnUndo();
    EXPECT_EQ(preview().Face(), earlier);
    EXPECT_EQ(slider->value(), std::min(earlier.SliderParameter(0), 9));
  }
}

TEST_F(EditCommands, KeysRunTheCommandsAndOpenTheMenus) {
  EXPECT_EQ(dialog().Action(ID_EDIT_COPY)->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
  dialog().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog()));
  const CFace start = preview().Face();
  QTest::keyClick(&dialog(), Qt::Key_N, Qt::ControlModifier);
  const CFace fresh = preview().Face();
  ASSERT_FALSE(fresh == start);
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  for (const auto& [key, modifiers, face] : {std::tuple{Qt::Key_Z, ctrl, start},
                                             {Qt::Key_Z, ctrl | Qt::ShiftModifier, fresh},
                                             {Qt::Key_Z, ctrl, start},
                                             {Qt::Key_Y, ctrl, fresh}}) {
    QTest::keyClick(&dialog(), key, modifiers);
    EXPECT_EQ(preview().Face(), face);
  }
  for (const auto& [key, modifier, menu] :
       {std::tuple{Qt::Key_F, Qt::AltModifier, 0}, {Qt::Key_F10, Qt::NoModifier, 0}}) {
    QMenu* opened = dialog().MenuBar()->actions().at(menu)->menu();
    QTest::keyClick(&dialog(), key, modifier);
    EXPECT_TRUE(QTest::qWaitFor([opened] { return opened->isVisible(); })) << key;
    QTest::keyClick(opened, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([opened] { return !opened->isVisible(); }));
  }
}

TEST_F(EditCommands, CopyPutsTheExportedPictureOnTheClipboard) {
  PicturePixels exact;
  ASSERT_TRUE(DrawPicturePixels(preview().Picture(), ExportOptions{}, exact));
  const QImage expected = WrapSmooth(exact);
  ExportOptions asSvg;
  asSvg.format = ImageFormat::Svg;
  std::vector<std::uint8_t> svg;
  ASSERT_TRUE(EncodePicture(preview().Picture(), asSvg, svg));
  dialog().OnCopy();
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB32), expected);
  EXPECT_EQ(copied->data(QStringLiteral("image/svg+xml")),
            QByteArray::fromRawData(reinterpret_cast<const char*>(svg.data()), svg.size()));
  dialog().OnEnableSelection();
  const std::optional<Rect> area = InsideOfFrame(preview().Tracker()->m_rect, exact.width, exact.height);
  dialog().OnCopy();
  const QImage inside = qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
  EXPECT_EQ(inside.convertToFormat(QImage::Format_RGB32),
            expected.copy(area->left, area->top, area->Width(), area->bottom - area->top));
}

TEST_F(EditCommands, DocumentOpensFromTheCommandLineAndByADrop) {
  CFace face = preview().Face();
  face.glasses = (face.glasses + 1) % 5;
  const QString path = Document(face);
  dialog().OpenStartDocument(path);
  EXPECT_EQ(preview().Face(), face);
  EXPECT_EQ(Steps(), 0) << "the unseen start-up face is no step";
  dialog().OnNew();
  QMimeData dropped;
  for (const char* name : {"face.txt", "face.plm"}) {
    dropped.setUrls({QUrl::fromLocalFile(folder.filePath(QString::fromLatin1(name)))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(&dialog(), &enter);
    EXPECT_EQ(enter.isAccepted(), name == std::string("face.plm")) << name;
  }
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
  QApplication::sendEvent(&dialog(), &drop);
  EXPECT_EQ(preview().Face(), face);
  EXPECT_EQ(UndoText(), QStringLiteral("&Undo open"));
}

TEST_F(EditCommands, EscapeDuringASelectionDragCancelsOnlyTheDrag) {
  dialog().OnEnableSelection();
  const Rect start = preview().Tracker()->m_rect;
  QTest::mousePress(&preview(), Qt::LeftButton, {}, QPoint(75, 75));
  QTest::mouseMove(&preview(), QPoint(95, 90));
  ASSERT_NE(preview().Tracker()->m_rect, start);
  QTest::keyClick(&dialog(), Qt::Key_Escape);
  EXPECT_TRUE(dialog().isVisible());
  EXPECT_EQ(preview().Tracker()->m_rect, start);
  EXPECT_FALSE(preview().Selection().SizeTip().IsActive());
  QTest::mouseRelease(&preview(), Qt::LeftButton, {}, QPoint(95, 90));
  QTest::keyClick(&dialog(), Qt::Key_Escape);
  EXPECT_FALSE(dialog().isVisible()) << "Escape without a drag ends the program";
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
