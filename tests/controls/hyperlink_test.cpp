#include "controls/hyperlink.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QDesktopServices>
#include <QTest>
#include <QUrl>

namespace pelmoro {
namespace {

// Receives the links that would go to the desktop's default handler.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

constexpr const char* kScheme = "pelmoro-test";

class HyperLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QDesktopServices::setUrlHandler(QString::fromLatin1(kScheme), &catcher, "Open");
    link.setGeometry(50, 50, 200, 16);
    link.SetURL(QStringLiteral("pelmoro-test:home"));
    link.show();
    QCursor::setPos(0, 0);
  }
  void TearDown() override { QDesktopServices::unsetUrlHandler(QString::fromLatin1(kScheme)); }
  int TextWidth() const { return link.fontMetrics().horizontalAdvance(link.text()); }
  void MoveTo(QPoint p) {
    QCursor::setPos(link.mapToGlobal(p));
    QTest::mouseMove(&link, p);
  }

  UrlCatcher catcher;
  CHyperLink link{QStringLiteral("Pelmoro")};
};

TEST_F(HyperLinkTest, HitAreaIsTheTextsWidthForEveryAlignment) {
  const int w = TextWidth();
  ASSERT_LT(w, 150);
  link.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  EXPECT_TRUE(link.IsOverText({0, 8}));
  EXPECT_TRUE(link.IsOverText({w - 1, 15}));
  EXPECT_FALSE(link.IsOverText({w + 1, 8}));

  link.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  const int margin = (200 - w) / 2;
  EXPECT_TRUE(link.IsOverText({100, 8}));
  EXPECT_FALSE(link.IsOverText({margin - 1, 8}));
  EXPECT_TRUE(link.IsOverText({margin, 8}));
  EXPECT_FALSE(link.IsOverText({200 - margin, 8}));

  link.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  EXPECT_TRUE(link.IsOverText({199, 8}));
  EXPECT_FALSE(link.IsOverText({199 - w, 8}));
}

TEST_F(HyperLinkTest, PointerIsAHandOnlyOverTheText) {
  link.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  MoveTo({100, 8});
  EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
  MoveTo({3, 8});
  EXPECT_NE(link.cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(HyperLinkTest, ClickBesideTheTextDoesNothing) {
  QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(TextWidth() + 20, 8));
  EXPECT_FALSE(link.GetVisited());
  EXPECT_TRUE(catcher.opened.isEmpty());
}

TEST_F(HyperLinkTest, ClickOnTheTextOpensTheTargetAndMarksTheLinkVisited) {
  QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(2, 8));
  EXPECT_TRUE(link.GetVisited());
  ASSERT_EQ(catcher.opened.size(), 1);
  EXPECT_EQ(catcher.opened[0], QUrl(QStringLiteral("pelmoro-test:home")));
}

TEST_F(HyperLinkTest, HoverColourWinsOverVisitedUntilTheMouseLeaves) {
  link.SetLinkColors(Qt::blue, Qt::magenta, Qt::red);
  link.SetVisited(true);
  EXPECT_EQ(link.CurrentTextColor(), QColor(Qt::magenta));
  MoveTo({2, 8});
  EXPECT_TRUE(QTest::qWaitFor([this] { return link.IsHover(); }, 1000));
  EXPECT_EQ(link.CurrentTextColor(), QColor(Qt::red));
  QCursor::setPos(0, 0);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !link.IsHover(); }, 1000));
  EXPECT_EQ(link.CurrentTextColor(), QColor(Qt::magenta));
}

TEST(HyperLinkInitTest, EmptyTargetBecomesTheTextWhenShown) {
  CHyperLink link(QStringLiteral("https://example.org/pelmoro"));
  EXPECT_TRUE(link.GetURL().isEmpty());
  link.show();
  EXPECT_EQ(link.GetURL(), QStringLiteral("https://example.org/pelmoro"));
}

}  // namespace
}  // namespace pelmoro

#include "hyperlink_test.moc"
