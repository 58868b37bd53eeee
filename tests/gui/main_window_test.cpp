// The main window as it starts: title, controls and their places, the start-up face and
// fill, the menu, and the keys that must and must not close it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "app/face_dlg.h"
#include "controls/icon_menu.h"
#include "model/random.h"
#include "render/ui/face_preview.h"
#include "tests/support/shown_dialog.h"
#include "tests/support/widget_pictures.h"

namespace pelmoro {
namespace {

QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

QStringList MenuTexts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* action : menu->actions()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return texts;
}

QMenu* BarMenu(const CFaceDlg& dialog, int index) { return dialog.MenuBar()->actions().at(index)->menu(); }

TEST(MainWindow, StartsWithTitleListsAndARandomFaceOnTheDefaultGradient) {
  ShownDialog shown(77);
  CFaceDlg& dialog = *shown.dialog;
  EXPECT_EQ(dialog.windowTitle(), "Pelmoro");
  EXPECT_EQ(Items(dialog.FaceTypeList()), QStringList({"oval", "square"}));
  EXPECT_EQ(Items(dialog.GlassesList()), QStringList({"none", "black-rimmed", "metal-rimmed", "sunglasses"}));
  EXPECT_EQ(Items(dialog.MustacheList()), QStringList({"none", "mustache", "beard", "both"}));
  EXPECT_EQ(dialog.RandomFaceButton()->text(), "Random face");
  EXPECT_TRUE(dialog.AnimateCheckBox()->isVisible());

  CRandom random(77);
  CFace expected;
  expected.Randomize(random);
  EXPECT_EQ(dialog.Preview().Face(), expected);
  FillSettings fill;
  fill.ApplyStartupFill();
  EXPECT_EQ(dialog.Preview().Fill(), fill);
  for (int i = 0; i < CFaceDlg::kSliderCount; ++i) {
    EXPECT_EQ(dialog.Slider(i)->minimum(), 0);
    EXPECT_EQ(dialog.Slider(i)->maximum(), 9);
    EXPECT_EQ(dialog.Slider(i)->value(), std::min(expected.SliderParameter(i), 9)) << "slider " << i;
  }
  EXPECT_EQ(Shown(&dialog.Preview()), PipelinePicture(dialog.Preview().Picture()));
}

TEST(MainWindow, TwoStartsWithTheSameSeedShowTheSameFace) {
  CFaceDlg first(5);
  CFaceDlg second(5);
  CFaceDlg other(6);
  EXPECT_EQ(first.Preview().Face(), second.Preview().Face());
  EXPECT_FALSE(first.Preview().Face() == other.Preview().Face());
}

TEST(MainWindow, MenuHasItsCommandsInOrder) {
  CFaceDlg dialog(1);
  QStringList bar;
  for (const QAction* action : dialog.MenuBar()->actions()) bar << action->text();
  EXPECT_EQ(bar, QStringList({"&File", "&Edit", "&Tools", "&View", "&Help"}));
  EXPECT_EQ(MenuTexts(BarMenu(dialog, 0)),
            QStringList({"&New...", "&Open...", "&Save...", "-", "Import", "Export at any size...",
                         "Export &animation...", "-", "&Exit"}));
  const QMenu* exports = BarMenu(dialog, 0)->actions().at(4)->menu();
  ASSERT_NE(exports, nullptr);
  EXPECT_EQ(MenuTexts(exports), QStringList({".&BMP", ".&GIF", ".&JPG", ".&PNG", ".&TIFF"}));
  QList<int> ids;
  for (const QAction* action : exports->actions()) ids << action->data().toInt();
  EXPECT_EQ(ids, QList<int>({40008, 40010, 40007, 40006, 40009}));
  EXPECT_EQ(MenuTexts(BarMenu(dialog, 1)), QStringList({"&Undo", "&Redo", "-", "&Copy picture"}));
  EXPECT_FALSE(dialog.Action(ID_EDIT_UNDO)->isEnabled());
  EXPECT_FALSE(dialog.Action(ID_EDIT_REDO)->isEnabled());
  EXPECT_EQ(MenuTexts(BarMenu(dialog, 2)), QStringList({"Enable selection"}));
  EXPECT_EQ(MenuTexts(BarMenu(dialog, 3)), QStringList({"Smooth edges"}));
  EXPECT_TRUE(dialog.Action(ID_SMOOTH_EDGES)->isCheckable());
  EXPECT_FALSE(dialog.Action(ID_SMOOTH_EDGES)->isChecked());
  EXPECT_EQ(MenuTexts(BarMenu(dialog, 4)), QStringList({"&About"}));
  for (int id : {40012, 40001, 40002, 40003, 40004, 40017, 40030, 40032}) EXPECT_NE(dialog.Action(id), nullptr) << id;
  EXPECT_TRUE(dialog.Action(ID_ENABLE_SELECTION)->isEnabled());
  EXPECT_FALSE(dialog.Action(ID_ENABLE_SELECTION)->isChecked());
}

TEST(MainWindow, MenuImagesGoToTheElevenCommandsOfTheToolbar) {
  CFaceDlg dialog(1);
  ASSERT_TRUE(dialog.IsCreated());
  const CIconMenuManager& manager = dialog.MenuManager();
  EXPECT_EQ(manager.ImageCount(), 11);
  EXPECT_EQ(manager.BitmapSize(), QSize(16, 16));
  EXPECT_EQ(manager.ButtonSize(), QSize(18, 18));
  EXPECT_EQ(manager.ToolbarIds(), (std::vector<unsigned>{128}));
  const int expected[] = {40012, 40001, 40002, 40008, 40010, 40007, 40006, 40009, 40004, 40030, 40032};
  for (int i = 0; i < 11; ++i) EXPECT_EQ(manager.ImageOfCommand(expected[i]), i);
  EXPECT_EQ(manager.ImageOfCommand(ID_APP_EXIT), -1);
  EXPECT_EQ(manager.ImageOfCommand(ID_ENABLE_SELECTION), -1);
  for (int i = 0; i < 11; ++i) EXPECT_NE(manager.Image(i), manager.Image((i + 1) % 11)) << i;
}

TEST(MainWindow, EnterLeavesTheWindowOpenAndEscapeClosesIt) {
  ShownDialog shown;
  CFaceDlg& dialog = *shown.dialog;
  const CFace before = dialog.Preview().Face();
  QTest::keyClick(&dialog, Qt::Key_Return);
  dialog.RandomFaceButton()->setFocus();
  QTest::keyClick(dialog.RandomFaceButton(), Qt::Key_Return);
  QTest::keyClick(dialog.RandomFaceButton(), Qt::Key_Enter);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.Preview().Face(), before) << "Enter must not press \"Random face\"";

  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(MainWindow, CloseBoxAndExitEndTheWindow) {
  ShownDialog closed;
  closed.dialog->close();
  ShownDialog exited;
  exited.dialog->Action(ID_APP_EXIT)->trigger();
  EXPECT_FALSE(closed.dialog->isVisible());
  EXPECT_FALSE(exited.dialog->isVisible());
}

// Every control inside the window, the preview exactly 224 x 192 at the template's corner,
// no two controls overlapping and no text cut off, whatever the font.
void ExpectLayoutFits(const QFont& font) {
  SCOPED_TRACE(font.toString().toStdString());
  const QFont previous = QApplication::font();
  QApplication::setFont(font);
  {
    CFaceDlg dialog(3);
    dialog.show();
    const CFacePreview& preview = dialog.Preview();
    EXPECT_EQ(preview.size(), QSize(224, 192));
    EXPECT_EQ(preview.pos(), dialog.Units().ToPixels(139, 8, 0, 0).topLeft());
    EXPECT_GE(dialog.Units().BaseX(), DialogUnits::ForFont(font).BaseX());
    EXPECT_GE(dialog.Units().BaseY(), DialogUnits::ForFont(font).BaseY());

    const QWidget* panel = preview.parentWidget();
    QList<QWidget*> controls;
    for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (child->isVisible()) controls << child;
    EXPECT_EQ(controls.size(), 1 + 22 + 3 + 1 + 25 + 1 + 1);
    for (int i = 0; i < controls.size(); ++i) {
      const QWidget* a = controls[i];
      EXPECT_TRUE(panel->rect().contains(a->geometry())) << a->metaObject()->className();
      if (const auto* label = qobject_cast<const QLabel*>(a)) {
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
      }
      if (qobject_cast<const QComboBox*>(a) || qobject_cast<const QPushButton*>(a) ||
          qobject_cast<const QCheckBox*>(a)) {
        EXPECT_LE(a->sizeHint().width(), a->width()) << a->metaObject()->className();
      }
      for (int j = i + 1; j < controls.size(); ++j)
        EXPECT_FALSE(a->geometry().intersects(controls[j]->geometry()))
            << a->metaObject()->className() << " overlaps " << controls[j]->metaObject()->className();
    }
  }
  QApplication::setFont(previous);
}

TEST(MainWindow, LayoutFitsSmallDefaultAndLargeFonts) {
  ExpectLayoutFits(QApplication::font());
  QFont small = QApplication::font();
  small.setPointSize(5);
  ExpectLayoutFits(small);
  QFont large = QApplication::font();
  large.setPointSize(16);
  ExpectLayoutFits(large);
}

}  // namespace
}  // namespace pelmoro
