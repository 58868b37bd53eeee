#include "app/about_box.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLabel>
#include <QUrl>

#include "controls/ext_button.h"
#include "controls/hyperlink.h"

namespace pelmoro {
namespace {

TEST(AboutBoxTest, LinksPointAtTheProductsOwnTargets) {
  CAboutDlg about;
  const CHyperLink& mail = *about.MailLink();
  EXPECT_TRUE(mail.GetURL().startsWith(QStringLiteral("mailto:")));
  EXPECT_TRUE(mail.GetURL().endsWith(QStringLiteral("?subject=Pelmoro")));
  EXPECT_TRUE(mail.m_strTooltip.startsWith(QStringLiteral("eMail : ")));
  EXPECT_TRUE(mail.GetUnderline());
  EXPECT_EQ(mail.GetLinkColor(), QColor(0, 0, 255));
  EXPECT_EQ(mail.GetHoverColor(), QColor(255, 0, 0));
  EXPECT_EQ(mail.GetVisitedColor(), QColor(128, 0, 128));

  const CHyperLink& home = *about.HomeLink();
  EXPECT_FALSE(home.GetUnderline());
  EXPECT_EQ(home.m_strTooltip, home.GetURL());
  // The home page is the project's README, which must exist where the link points.
  const QUrl url(home.GetURL());
  ASSERT_TRUE(url.isLocalFile());
  EXPECT_TRUE(QFileInfo::exists(url.toLocalFile())) << url.toLocalFile().toStdString();
}

TEST(AboutBoxTest, TitleIsBoldAndEveryTextFitsInsideTheBox) {
  CAboutDlg about;
  about.show();
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About ..."));
  EXPECT_EQ(about.TitleLabel()->text(), QStringLiteral("Pelmoro v1.0"));
  EXPECT_EQ(about.TitleLabel()->font().weight(), QFont::Bold);
  for (const QLabel* label : about.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    SCOPED_TRACE(label->text().toStdString());
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    EXPECT_TRUE(about.rect().contains(label->geometry()));
  }
  EXPECT_TRUE(about.rect().contains(about.OkButton()->geometry()));
  EXPECT_TRUE(about.OkButton()->isDefault());
}

TEST(AboutBoxTest, OkEndsTheBox) {
  CAboutDlg about;
  about.show();
  about.OkButton()->click();
  EXPECT_EQ(about.result(), QDialog::Accepted);
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace pelmoro
