#include "fill/ui/fill_type_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "controls/ext_button.h"
#include "controls/swatch_button.h"
#include "fill/ui/fill_preview.h"
#include "res/resources.h"
#include "ui_support/dialog_units.h"

namespace pelmoro {

namespace {

// A black frame one unit wide or high; four upright ones and four ticks make the bracket
// that joins the direction boxes.
class BlackFrame : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};

template <typename Widget>
Widget* Place(Widget* widget, const DialogUnits& units, int x, int y, int width, int height) {
  widget->setGeometry(units.ToPixels(x, y, width, height));
  return widget;
}

// Widens a control whose text would not fit the width its layout gives it: the toolkit's
// check marks and radio dots take more room than the layout allows for.
template <typename Widget>
Widget* WidenToText(Widget* widget) {
  if (widget->sizeHint().width() > widget->width()) widget->resize(widget->sizeHint().width(), widget->height());
  return widget;
}

// The direction of each box, in the boxes' order.
constexpr GradientMode kBoxDirections[4] = {GradientVertical, GradientHorizontal, GradientForwardDiagonal,
                                            GradientBackwardDiagonal};

}  // namespace

CFillTypeDlg::CFillTypeDlg(const FillSettings& fill, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_fill(fill) {
  setWindowTitle(QString());
  const DialogUnits units = DialogUnits::ForFont(font());
  setFixedSize(units.ToPixels(0, 0, 186, 118).size());
  CreateControls(units);
  InitDialog();
}

// Controls in tab order, placed in dialog units of the dialog's font.
void CFillTypeDlg::CreateControls(const DialogUnits& units) {
  Place(new QGroupBox(tr("Fill type"), this), units, 7, 7, 93, 104);
  m_radioSolid = WidenToText(Place(new QRadioButton(tr("Solid"), this), units, 12, 22, 50, 8));
  m_radioGradient = WidenToText(Place(new QRadioButton(tr("Gradient"), this), units, 12, 37, 50, 8));
  m_checkDirection[0] = WidenToText(Place(new QCheckBox(tr("vertical"), this), units, 24, 53, 36, 8));
  m_checkDirection[1] = WidenToText(Place(new QCheckBox(tr("horizontal"), this), units, 24, 64, 47, 8));
  m_checkDirection[2] = WidenToText(Place(new QCheckBox(tr("forward diagonal"), this), units, 24, 75, 66, 8));
  m_checkDirection[3] = WidenToText(Place(new QCheckBox(tr("backward diagonal"), this), units, 24, 86, 73, 8));
  CreateBracket(units);
  Place(new QLabel(tr("Preview"), this), units, 104, 7, 35, 8);
  m_preview = Place(new CFillPreview(this), units, 104, 15, 75, 61);
  m_btnFirstColor = Place(new CSwatchButton(this), units, 103, 78, 36, 14);
  m_btnSecondColor = Place(new CSwatchButton(this), units, 143, 78, 36, 14);
  auto* ok = Place(new CExtButtonCtrl(tr("OK"), this), units, 103, 96, 76, 14);
  ok->SetIcon(16, 16, CheckMarkImage(), QPixmap(), true);
  ok->setDefault(false);
  m_btnOK = ok;
  // No button becomes the default one when it takes the focus, so Enter presses none and
  // changes nothing; only a click on OK (or Space on it) ends the dialog with its code.
  for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);

  connect(m_radioSolid, &QRadioButton::clicked, this, &CFillTypeDlg::OnSolid);
  connect(m_radioGradient, &QRadioButton::clicked, this, &CFillTypeDlg::OnGradient);
  for (int index = 0; index < 4; ++index) {
    connect(m_checkDirection[index], &QCheckBox::clicked, this, [this, index] { OnDirection(index); });
  }
  connect(m_btnFirstColor, &CSwatchButton::colorChosen, this, &CFillTypeDlg::OnFirstColor);
  connect(m_btnSecondColor, &CSwatchButton::colorChosen, this, &CFillTypeDlg::OnSecondColor);
  connect(m_btnOK, &QPushButton::clicked, this, &CFillTypeDlg::OnOK);
}

// An upright line from under "Gradient" down to the last direction box, with a tick
// toward each box.
void CFillTypeDlg::CreateBracket(const DialogUnits& units) {
  static constexpr int kUprights[4][2] = {{47, 58}, {57, 69}, {68, 79}, {79, 90}};
  for (const auto& upright : kUprights) {
    Place(new BlackFrame(this), units, 15, upright[0], 1, upright[1] - upright[0]);
  }
  static constexpr int kTicks[4][2] = {{56, 15}, {67, 16}, {78, 16}, {89, 16}};
  for (const auto& tick : kTicks) Place(new BlackFrame(this), units, tick[1], tick[0], 21 - tick[1], 1);
}

void CFillTypeDlg::InitDialog() {
  PutDirectionsIntoBoxes();
  const bool solid = m_fill.m_nFillType == FillSolid;
  m_radioSolid->setChecked(solid);
  m_radioGradient->setChecked(!solid);
  m_btnFirstColor->SetColor(solid ? m_fill.m_crBackground : m_fill.m_crGradientFrom);
  m_btnSecondColor->SetColor(m_fill.m_crGradientTo);
  EnableDirections(!solid);
  m_btnFirstColor->setEnabled(true);
  m_btnSecondColor->setEnabled(!solid);
  m_preview->SetFill(m_fill);
}

void CFillTypeDlg::OnSolid() {
  m_radioSolid->setChecked(true);
  m_radioGradient->setChecked(false);
  m_btnFirstColor->setEnabled(true);
  m_btnSecondColor->setEnabled(false);
  EnableDirections(false);
  m_fill.m_nFillType = FillSolid;
  m_fill.m_crBackground = m_btnFirstColor->GetColor();
  m_preview->SetFill(m_fill);
}

void CFillTypeDlg::OnGradient() {
  m_radioSolid->setChecked(false);
  m_radioGradient->setChecked(true);
  m_btnFirstColor->setEnabled(true);
  m_btnSecondColor->setEnabled(true);
  EnableDirections(true);
  m_fill.m_nFillType = FillGradient;
  m_fill.m_crGradientFrom = m_btnFirstColor->GetColor();
  m_fill.m_crGradientTo = m_btnSecondColor->GetColor();
  m_preview->SetFill(m_fill);
}

void CFillTypeDlg::OnFirstColor(Color color) {
  m_fill.m_crGradientFrom = color;
  if (m_fill.m_nFillType == FillSolid) m_fill.m_crBackground = color;
  m_preview->SetFill(m_fill);
}

void CFillTypeDlg::OnSecondColor(Color color) {
  m_fill.m_crGradientTo = color;
  m_preview->SetFill(m_fill);
}

// The clicked box becomes the one direction, also when the click had just cleared it.
void CFillTypeDlg::OnDirection(int index) {
  m_fill.SetGradientMode(kBoxDirections[index]);
  PutDirectionsIntoBoxes();
  m_preview->SetFill(m_fill);
}

// The buttons' colours become the fill's, and the direction the preview shows its one flag.
void CFillTypeDlg::OnOK() {
  m_fill.m_crGradientFrom = m_btnFirstColor->GetColor();
  m_fill.m_crGradientTo = m_btnSecondColor->GetColor();
  m_fill.m_crBackground = m_btnFirstColor->GetColor();
  m_fill.SetGradientMode(m_fill.GetGradientMode());
  done(kOkCode);
}

void CFillTypeDlg::EnableDirections(bool enable) {
  for (QCheckBox* box : m_checkDirection) box->setEnabled(enable);
}

void CFillTypeDlg::PutDirectionsIntoBoxes() {
  const std::int32_t flags[4] = {m_fill.m_bVertical, m_fill.m_bHorizontal, m_fill.m_bForwardDiagonal,
                                 m_fill.m_bBackwardDiagonal};
  for (int i = 0; i < 4; ++i) m_checkDirection[i]->setChecked(flags[i] != 0);
}

}  // namespace pelmoro
