#include "app/about_box.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <algorithm>
#include <initializer_list>

#include "app/product_info.h"
#include "app/readme_link.h"
#include "controls/ext_button.h"
#include "controls/hyperlink.h"
#include "controls/ui_font.h"
#include "res/resources.h"
#include "ui_support/dialog_units.h"

namespace pelmoro {

namespace {

constexpr int kIconSize = 32;
constexpr int kImageSize = 16;
constexpr int kRightMargin = 6;  // dialog units kept free right of the widest row

QLabel* StaticText(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

struct Placement {
  QLabel* label;
  int x, y, width, height;  // dialog units
};

// Places the labels of one row at their rectangles, each moved right by as much as the
// labels before it had to grow to show their whole text. Returns the row's right edge.
int PlaceRow(const DialogUnits& units, std::initializer_list<Placement> row) {
  int shift = 0;
  int right = 0;
  for (const Placement& p : row) {
    QRect r = units.ToPixels(p.x, p.y, p.width, p.height);
    const int textWidth = p.label->fontMetrics().horizontalAdvance(p.label->text());
    const int grow = std::max(0, textWidth - r.width());
    r.translate(shift, 0);
    r.setWidth(r.width() + grow);
    p.label->setGeometry(r);
    shift += grow;
    right = r.right() + 1;
  }
  return right;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : CAboutDlg(QCoreApplication::applicationDirPath(), parent) {}

CAboutDlg::CAboutDlg(const QString& programFolder, QWidget* parent)
    : QDialog(parent),
      m_programFolder(programFolder),
      m_linkMail(new CHyperLink(QString::fromUtf8(product_info::kMakerName), this)),
      m_linkHome(new CHyperLink(QString::fromUtf8(product_info::kHomePageText), this)),
      m_btnOK(new CExtButtonCtrl(QStringLiteral("OK"), this)),
      m_icon(new QLabel(this)),
      m_title(StaticText(product_info::kVersionLine, this)),
      m_noticeBefore(StaticText(product_info::kNoticeBefore, this)),
      m_noticeAfter(StaticText(product_info::kNoticeAfter, this)),
      m_homeCaption(StaticText("Homepage :", this)),
      m_line(new QFrame(this)) {
  setWindowTitle(QStringLiteral("About ..."));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  m_icon->setPixmap(ApplicationIconPixmap(kIconSize));
  m_line->setFrameShape(QFrame::HLine);
  m_line->setFrameShadow(QFrame::Sunken);
  m_btnOK->setDefault(true);
  connect(m_btnOK, &QPushButton::clicked, this, &QDialog::accept);
  OnInitDialog();
  PlaceControls();
}

void CAboutDlg::OnInitDialog() {
  m_crLink = QColor(0x00, 0x00, 0xFF);
  m_crHover = QColor(0xFF, 0x00, 0x00);
  m_crVisited = QColor(0x80, 0x00, 0x80);

  const QString mail = QString::fromUtf8(product_info::kMakerMail);
  m_linkMail->SetURL(QStringLiteral("mailto:") + mail + QStringLiteral("?subject=Pelmoro"));
  m_linkMail->SetLinkColors(m_crLink, m_crVisited, m_crHover);
  m_linkMail->SetUnderline(true);
  m_linkMail->m_strTooltip =
      QStringLiteral("eMail : ") + (mail.isEmpty() ? QString::fromUtf8(product_info::kNoMailText) : mail);

  const ReadmeLink home = FindReadme(m_programFolder);
  m_linkHome->SetURL(home.url);
  m_linkHome->SetLinkColors(m_crLink, m_crVisited, m_crHover);
  m_linkHome->SetUnderline(false);
  m_linkHome->m_strTooltip = home.tooltip;
  // Without an installed README there is nothing to open: the link is shown disabled and
  // its tooltip says why.
  m_linkHome->setEnabled(home.found());

  m_btnOK->SetIcon(kImageSize, kImageSize, CheckMarkImage(), QPixmap(), true);
  m_title->setFont(CUiFont::Instance().Bold());
}

void CAboutDlg::PlaceControls() {
  const DialogUnits units = DialogUnits::ForFont(font());
  m_icon->setGeometry(QRect(units.ToPixels(5, 6, 20, 20).topLeft(), QSize(kIconSize, kIconSize)));
  const int widest = std::max({
      PlaceRow(units, {{m_title, 35, 11, 97, 8}}),
      PlaceRow(units, {{m_noticeBefore, 6, 32, 78, 8}, {m_linkMail, 88, 32, 24, 8}, {m_noticeAfter, 115, 32, 61, 8}}),
      PlaceRow(units, {{m_homeCaption, 6, 45, 40, 8}, {m_linkHome, 48, 45, 70, 8}}),
  });
  const QSize templateSize = units.ToPixels(0, 0, kDialogWidth, kDialogHeight).size();
  const int extra = std::max(0, widest + units.ToPixelsX(kRightMargin) - templateSize.width());
  m_line->setGeometry(units.ToPixels(0, 58, 205, 1).adjusted(0, 0, extra, 0));
  m_btnOK->setGeometry(units.ToPixels(139, 61, 66, 14).translated(extra, 0));
  setFixedSize(templateSize + QSize(extra, 0));
}

}  // namespace pelmoro
