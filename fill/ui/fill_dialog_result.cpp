#include "fill/ui/fill_dialog_result.h"

#include <QWidget>

#include "fill/ui/fill_type_dlg.h"

namespace pelmoro {

bool ApplyFillDialogResult(FillSettings& fill, const FillSettings& chosen, int code) {
  if (code != CFillTypeDlg::kOkCode) return false;
  const Color background = fill.m_crBackground;
  fill = chosen;
  fill.m_crBackground = fill.m_nFillType == FillSolid ? fill.m_crGradientFrom : background;
  return true;
}

bool RunFillTypeDialog(FillSettings& fill, QWidget* owner) {
  CFillTypeDlg dialog(fill, owner != nullptr ? owner->window() : nullptr);
  const int code = dialog.exec();
  return ApplyFillDialogResult(fill, dialog.Result(), code);
}

}  // namespace pelmoro
