#include "controls/icon_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "controls/icon_menu_draw.h"
#include "controls/icon_menu_mnemonic.h"

namespace pelmoro {
namespace {

const QStringList kFruit{QStringLiteral("&Apple"), QString(), QStringLiteral("&avocado"), QStringLiteral("&Banana"),
                         QStringLiteral("Cherry")};

TEST(MenuMnemonicTest, UniqueLetterRunsItsItem) {
  const MenuCharResult r = OnMenuChar(u'b', kFruit, -1);
  EXPECT_EQ(r.action, MenuCharResult::kExecute);
  EXPECT_EQ(r.position, 3);
}

TEST(MenuMnemonicTest, SharedLetterSelectsTheNextItemAndWrapsAround) {
  EXPECT_EQ(OnMenuChar(u'a', kFruit, -1).position, 0);
  EXPECT_EQ(OnMenuChar(u'A', kFruit, 0).position, 2);
  EXPECT_EQ(OnMenuChar(u'a', kFruit, 2).position, 0);
  EXPECT_EQ(OnMenuChar(u'a', kFruit, 3).position, 0);
  EXPECT_EQ(OnMenuChar(u'a', kFruit, 1).action, MenuCharResult::kSelect);
}

TEST(MenuMnemonicTest, LettersWithoutMarkerDoNothing) {
  EXPECT_EQ(OnMenuChar(u'c', kFruit, -1).action, MenuCharResult::kNone);  // "Cherry" has no "&"
  EXPECT_EQ(OnMenuChar(u'z', kFruit, 0).action, MenuCharResult::kNone);
}

TEST(MenuMnemonicTest, DoubledAmpersandIsTextNotAMarker) {
  const QStringList items{QStringLiteral("Salt && &Pepper"), QStringLiteral("&Sugar")};
  EXPECT_EQ(OnMenuChar(u'p', items, -1).position, 0);
  EXPECT_EQ(OnMenuChar(u's', items, -1).position, 1);
  EXPECT_EQ(OnMenuChar(u'&', items, -1).action, MenuCharResult::kNone);
}

// Commands of the toolbar below, one image each.
constexpr int kNew = 40012;
constexpr int kOpen = 40001;
constexpr int kExit = 40003;
constexpr int kAbout = 40004;

class IconMenuTest : public ::testing::Test {
 protected:
  // A toolbar of nine 16 x 16 images in different colours for the commands 40012, 40001,
  // 40002, 40008, 40010, 40007, 40006, 40009 and 40004.
  static MenuToolbar NineImages() {
    MenuToolbar toolbar;
    toolbar.id = 128;
    toolbar.imageSize = QSize(16, 16);
    toolbar.strip = QImage(9 * 16, 16, QImage::Format_ARGB32);
    for (int i = 0; i < 9; ++i) {
      QPainter(&toolbar.strip).fillRect(16 * i, 0, 16, 16, QColor::fromHsv(40 * i, 200, 200));
    }
    toolbar.commands = {kNew, kOpen, 40002, 40008, 40010, 40007, 40006, 40009, kAbout};
    return toolbar;
  }

  QAction* Add(const char* text, int command = 0) {
    QAction* action = menu.addAction(QString::fromLatin1(text));
    if (command) action->setData(command);
    return action;
  }
  void Type(QChar c) { QTest::keyClick(&menu, c.toLatin1()); }

  CIconMenuManager manager;
  QMenu menu;
};

TEST_F(IconMenuTest, TypedLettersSelectOrRunItemsOfAnOpenMenu) {
  QAction* apple = Add("&Apple");
  QAction* avocado = Add("A&vocado");
  QAction* another = Add("&Another");
  QAction* banana = Add("&Banana");
  (void)avocado;
  QSignalSpy ran(banana, &QAction::triggered);
  manager.Install(&menu);
  menu.popup(QPoint(10, 10));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));

  Type(u'a');
  EXPECT_EQ(menu.activeAction(), apple);
  Type(u'a');
  EXPECT_EQ(menu.activeAction(), another);
  Type(u'a');
  EXPECT_EQ(menu.activeAction(), apple);
  EXPECT_TRUE(menu.isVisible());
  Type(u'b');
  EXPECT_EQ(ran.count(), 1);
  EXPECT_FALSE(menu.isVisible());
}

TEST_F(IconMenuTest, LaterToolbarsKeepFirstImagesAndMustMatchTheirSize) {
  ASSERT_TRUE(manager.LoadToolbar(NineImages()));
  QTemporaryDir dir;
  auto write = [&](const char* name, const QByteArray& text, QSize strip) {
    QImage image(strip, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.save(dir.filePath(QStringLiteral("%1.png").arg(QLatin1String(name))));
    QFile file(dir.filePath(QStringLiteral("%1.txt").arg(QLatin1String(name))));
    file.open(QIODevice::WriteOnly);
    file.write(text);
  };
  write("same", "1 16 16 3\n40012 0 50000\n", QSize(32, 16));
  write("large", "1 24 24 1\n50001\n", QSize(24, 24));

  EXPECT_FALSE(
      manager.LoadToolbar(2, dir.filePath(QStringLiteral("large.png")), dir.filePath(QStringLiteral("large.txt"))));
  EXPECT_FALSE(
      manager.LoadToolbar(3, dir.filePath(QStringLiteral("none.png")), dir.filePath(QStringLiteral("same.txt"))));
  EXPECT_EQ(manager.ImageCount(), 9);
  ASSERT_TRUE(
      manager.LoadToolbar(1, dir.filePath(QStringLiteral("same.png")), dir.filePath(QStringLiteral("same.txt"))));
  EXPECT_EQ(manager.ImageOfCommand(kNew), 0);
  EXPECT_EQ(manager.ImageOfCommand(50000), 10);  // the separator takes no image
  EXPECT_EQ(manager.ImageOfCommand(50001), -1);
  EXPECT_EQ(manager.ToolbarIds(), (std::vector<unsigned>{128, 1}));

  ASSERT_TRUE(manager.Refresh());
  EXPECT_EQ(manager.ImageCount(), 11);
  EXPECT_EQ(manager.ImageOfCommand(50000), 10);
  EXPECT_EQ(manager.ToolbarIds(), (std::vector<unsigned>{128, 1}));
}

TEST_F(IconMenuTest, OpenMenuCarriesTheImagesAndGivesThemBackWhenClosed) {
  ASSERT_TRUE(manager.LoadToolbar(NineImages()));
  QAction* open = Add("&Open...", kOpen);
  QAction* about = Add("&About", kAbout);
  QAction* exit = Add("&Exit", kExit);
  QAction* unnamed = Add("&New...");  // an item names its command by its data only
  manager.Install(&menu);

  menu.popup(QPoint(10, 10));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
  EXPECT_EQ(open->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32), manager.Image(1));
  EXPECT_FALSE(about->icon().isNull());
  EXPECT_TRUE(exit->icon().isNull());
  EXPECT_TRUE(unnamed->icon().isNull());

  menu.hide();
  EXPECT_TRUE(open->icon().isNull());
  EXPECT_TRUE(about->icon().isNull());
}

// Draws one item 120 x 20 over a blank image.
QImage DrawItem(const MenuItemLook& item, const MenuColors& colors) {
  QImage image(120, 20, QImage::Format_ARGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  OnDrawItem(painter, item, colors, MenuMetrics{});
  return image;
}

MenuColors TestColors() {
  return {QColor(240, 240, 240), Qt::black,
          QColor(0, 0, 128),     Qt::white,
          QColor(128, 128, 128), QColor(220, 220, 220),
          QColor(255, 255, 254), QColor(100, 100, 100)};
}

TEST(MenuItemDrawingTest, CheckedItemWithoutImageShowsASunkenCheckMark) {
  const MenuColors colors = TestColors();
  MenuItemLook item;
  item.rect = QRect(0, 0, 120, 20);
  item.text = QStringLiteral("Enable selection");
  const QImage plain = DrawItem(item, colors);
  item.checked = true;
  const QImage checked = DrawItem(item, colors);

  // Button (0, 1, 18, 18); the 13 x 13 cell at (2, 3) gets an edge one pixel outside it.
  EXPECT_EQ(plain.pixelColor(1, 2), colors.menu);
  EXPECT_EQ(checked.pixelColor(1, 2), colors.btnShadow);
  EXPECT_EQ(checked.pixelColor(15, 16), colors.btnHighlight);
  EXPECT_EQ(checked.pixelColor(3, 4), colors.light3d);
  int ink = 0;
  for (int y = 3; y < 16; ++y)
    for (int x = 2; x < 15; ++x) ink += checked.pixelColor(x, y) == colors.menuText;
  EXPECT_GT(ink, 10);
}

TEST(MenuItemDrawingTest, DisabledImageIsEmbossedAndSelectionStartsRightOfTheButton) {
  const MenuColors colors = TestColors();
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(QColor(200, 0, 0));
  MenuItemLook item;
  item.rect = QRect(0, 0, 120, 20);
  item.text = QStringLiteral("&Save...");
  item.image = image;
  item.selected = true;
  QImage drawn = DrawItem(item, colors);
  EXPECT_EQ(drawn.pixelColor(5, 5), QColor(200, 0, 0));
  EXPECT_EQ(drawn.pixelColor(0, 1), colors.btnHighlight);  // raised button edge
  EXPECT_EQ(drawn.pixelColor(18, 10), colors.menu);
  EXPECT_EQ(drawn.pixelColor(19, 10), colors.highlight);

  item.selected = false;
  item.disabled = true;
  drawn = DrawItem(item, colors);
  EXPECT_EQ(drawn.pixelColor(5, 5), colors.btnShadow);
  EXPECT_EQ(drawn.pixelColor(17, 18), colors.btnHighlight);
}

TEST(MenuItemDrawingTest, ItemsAreAMenuLineHighAndSeparatorsHalfOfIt) {
  const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 9));
  MenuMetrics sizes;
  sizes.menuHeight = MenuHeightFor(metrics, sizes.button);
  MenuItemLook item;
  item.text = QStringLiteral("&Open...");
  const QSize size = OnMeasureItem(metrics, item, sizes);
  EXPECT_EQ(size.height(), sizes.menuHeight);
  // The mnemonic marker takes no room; a button's width stays free on either side.
  item.text = QStringLiteral("Open...");
  EXPECT_EQ(OnMeasureItem(metrics, item, sizes).width(), size.width());
  EXPECT_GE(size.width(), metrics.horizontalAdvance(item.text) + 2 * 18 + 4);
  item.separator = true;
  EXPECT_EQ(OnMeasureItem(metrics, item, sizes).height(), sizes.menuHeight / 2);
}

}  // namespace
}  // namespace pelmoro
