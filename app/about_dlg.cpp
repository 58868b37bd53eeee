#include "app/about_dlg.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/dialog_units.h"

namespace pelmoro {

namespace {

constexpr int kDialogWidth = 206;
constexpr int kDialogHeight = 79;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About ..."));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  DialogUnits units = DialogUnits::ForFont(font());

  auto* name = new QLabel(QStringLiteral("Pelmoro v1.0"), this);
  name->setTextFormat(Qt::PlainText);
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  // A font too wide for the name's place widens the units, so nothing is cut off.
  while (name->sizeHint().width() > units.ToPixels(35, 11, 97, 8).width() ||
         ok->sizeHint().width() > units.ToPixels(139, 61, 66, 14).width())
    units = units.WiderBy(1);
  while (ok->sizeHint().height() > units.ToPixels(139, 61, 66, 14).height() ||
         name->sizeHint().height() > units.ToPixels(35, 11, 97, 8).height())
    units = units.TallerBy(1);

  name->setGeometry(units.ToPixels(35, 11, 97, 8));
  line->setGeometry(units.ToPixels(0, 58, 205, 1));
  ok->setGeometry(units.ToPixels(139, 61, 66, 14));
  setFixedSize(units.ToPixels(0, 0, kDialogWidth, kDialogHeight).size());
}

}  // namespace pelmoro
