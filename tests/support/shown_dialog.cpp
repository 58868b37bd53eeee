#include "tests/support/shown_dialog.h"

#include <QTest>

#include "app/face_dlg.h"
#include "model/random.h"
#include "render/ui/face_preview.h"

namespace pelmoro {

ShownDialog::ShownDialog(std::uint32_t seed) : dialog(new CFaceDlg(seed)) {
  dialog->SetUserPrompts(prompts);
  dialog->show();
  (void)QTest::qWaitForWindowExposed(dialog);
}

ShownDialog::~ShownDialog() { delete dialog; }

void ShowRandomFace(CFacePreview& preview, CRandom& random) {
  CFace face = preview.Face();
  face.Randomize(random);
  preview.SetFace(face);
  FillSettings fill = preview.Fill();
  fill.ApplyStartupFill();
  preview.SetFill(fill);
}

}  // namespace pelmoro
