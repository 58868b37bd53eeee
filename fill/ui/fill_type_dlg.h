#pragma once
#include <QDialog>
#include <array>

#include "model/fill_settings.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace pelmoro {

class CFillPreview;
class CSwatchButton;
class DialogUnits;

// The small dialog in which the user picks a solid or a gradient background, its colours
// and the gradient's direction, with a live preview. It starts from the fill it is given;
// only its OK button ends it with kOkCode, and Result() then holds the new fill.
class CFillTypeDlg : public QDialog {
  Q_OBJECT

 public:
  // The end code of the OK button; closing the dialog any other way ends it with another.
  static constexpr int kOkCode = 1064;

  explicit CFillTypeDlg(const FillSettings& fill, QWidget* parent = nullptr);

  // The dialog's fill type, colours and direction flags; after OK exactly one direction
  // flag is set and both the solid and the first gradient colour are the first button's.
  const FillSettings& Result() const { return m_fill; }

  QRadioButton* SolidButton() const { return m_radioSolid; }
  QRadioButton* GradientButton() const { return m_radioGradient; }
  // The direction boxes: vertical, horizontal, forward diagonal, backward diagonal.
  QCheckBox* DirectionBox(int index) const { return m_checkDirection.at(index); }
  CSwatchButton* FirstColorButton() const { return m_btnFirstColor; }
  CSwatchButton* SecondColorButton() const { return m_btnSecondColor; }
  QPushButton* OkButton() const { return m_btnOK; }
  CFillPreview* Preview() const { return m_preview; }

 private:
  void CreateControls(const DialogUnits& units);
  void CreateBracket(const DialogUnits& units);
  void InitDialog();
  void OnSolid();
  void OnGradient();
  void OnFirstColor(Color color);
  void OnSecondColor(Color color);
  void OnDirection(int index);
  void OnOK();
  void EnableDirections(bool enable);
  void PutDirectionsIntoBoxes();

  // What the dialog shows: the fill it started from, changed by every choice; the preview
  // shows it too.
  FillSettings m_fill;
  CFillPreview* m_preview = nullptr;
  CSwatchButton* m_btnFirstColor = nullptr;
  CSwatchButton* m_btnSecondColor = nullptr;
  QPushButton* m_btnOK = nullptr;
  QRadioButton* m_radioSolid = nullptr;
  QRadioButton* m_radioGradient = nullptr;
  std::array<QCheckBox*, 4> m_checkDirection{};
};

}  // namespace pelmoro
