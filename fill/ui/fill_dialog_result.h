#pragma once
#include "model/fill_settings.h"

class QWidget;

namespace pelmoro {

// Takes the fill type dialog's outcome into the picture's fill. Only the dialog's OK code
// changes anything: the fill type, both gradient colours and the four direction flags are
// taken over, and a solid fill makes the dialog's first colour the background colour.
// Returns true when the fill was taken over, so the picture needs a repaint.
bool ApplyFillDialogResult(FillSettings& fill, const FillSettings& chosen, int code);

// Runs the fill type dialog modally over `fill`, owned by the window of `owner`, and takes
// its outcome over. Returns true when the fill was taken over.
bool RunFillTypeDialog(FillSettings& fill, QWidget* owner);

}  // namespace pelmoro
