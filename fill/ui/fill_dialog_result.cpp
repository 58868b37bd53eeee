#include "fill/ui/fill_dialog_result.h"

#include <QWidget>

#include "fill/ui/fill_type_dlg.h"

namespace pelmoro {

bool ApplyFillDialogResult(FillSettings& fill, const FillSettings& chosen, int code) {
  if (code != CFillTypeDlg::kOkCode) return false;
  fill.m_nFillType = chosen.m_nFillType;
  fill.m_crGradientFrom = chosen.m_crGradientFrom;
  fill.m_crGradientTo = chosen.m_crGradientTo;
  fill.m_bVertical = chosen.m_bVertical;
  fill.m_bHorizontal = chosen.m_bHorizontal;
  fill.m_bForwardDiagonal = chosen.m_bForwardDiagonal;
  fill.m_bBackwardDiagonal = chosen.m_bBackwardDiagonal;
  if (fill.m_nFillType == FillSolid) fill.m_crBackground = fill.m_crGradientFrom;
  return true;
}

bool RunFillTypeDialog(FillSettings& fill, QWidget* owner) {
  CFillTypeDlg dialog(fill, owner != nullptr ? owner->window() : nullptr);
  const int code = dialog.exec();
  return ApplyFillDialogResult(fill, dialog.Result(), code);
}

}  // namespace pelmoro
