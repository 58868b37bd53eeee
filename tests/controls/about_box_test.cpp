#include "app/about_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
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

  EXPECT_FALSE(about.HomeLink()->GetUnderline());
}

// A tree laid out as `cmake --install` lays it out: programs in bin/, the README in
// share/doc/pelmoro/.
struct InstallTree {
  QTemporaryDir root;
  QString bin = root.filePath(QStringLiteral("bin"));
  QString docReadme = root.filePath(QStringLiteral("share/doc/pelmoro/README.md"));
  QString besideReadme = root.filePath(QStringLiteral("bin/README.md"));

  InstallTree() { QDir(root.path()).mkpath(QStringLiteral("bin")); }
  static void Write(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# Pelmoro\n");
  }
};

TEST(AboutBoxTest, HomeLinkOpensTheInstalledReadmeBeforeOneBesideTheProgram) {
  InstallTree tree;
  InstallTree::Write(tree.besideReadme);
  {
    CAboutDlg about(tree.bin, nullptr);
    EXPECT_TRUE(about.HomeLink()->isEnabled());
    EXPECT_EQ(about.HomeLink()->GetURL(), QUrl::fromLocalFile(tree.besideReadme).toString());
  }
  InstallTree::Write(tree.docReadme);
  CAboutDlg about(tree.bin, nullptr);
  const CHyperLink& home = *about.HomeLink();
  EXPECT_TRUE(home.isEnabled());
  EXPECT_EQ(home.GetURL(), QUrl::fromLocalFile(tree.docReadme).toString());
  EXPECT_EQ(home.m_strTooltip, tree.docReadme);
  EXPECT_EQ(home.CurrentTextColor(), home.GetLinkColor());
}

TEST(AboutBoxTest, HomeLinkWithoutAnInstalledReadmeIsDisabledAndItsTooltipSaysWhy) {
  InstallTree tree;
  CAboutDlg about(tree.bin, nullptr);
  CHyperLink& home = *about.HomeLink();
  EXPECT_TRUE(home.GetURL().isEmpty());
  about.show();
  EXPECT_FALSE(home.isEnabled());
  QTest::mouseClick(&home, Qt::LeftButton, {}, QPoint(2, home.height() / 2));
  EXPECT_FALSE(home.GetVisited()) << "a click on the disabled link opened it";
  EXPECT_TRUE(home.m_strTooltip.contains(QStringLiteral("not installed"))) << home.m_strTooltip.toStdString();
  EXPECT_TRUE(home.m_strTooltip.contains(tree.docReadme)) << home.m_strTooltip.toStdString();
  EXPECT_NE(home.CurrentTextColor(), home.GetLinkColor());
  // The tooltip still shows on the disabled link.
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), home.mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(&home, &help);
  EXPECT_EQ(QToolTip::text(), home.m_strTooltip);
  QToolTip::hideText();
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
