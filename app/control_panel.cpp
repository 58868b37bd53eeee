// The control panel: every slider and list writes its field of the preview's face record,
// which repaints; "Random face" and a loaded document bring the controls back in line with
// the record.
#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>

#include "app/face_dlg.h"
#include "app/face_dlg_template.h"
#include "app/list_mapping.h"
#include "render/ui/face_preview.h"

namespace pelmoro {

// Stores the position the thumb is at: during a drag that is every step of the drag, and
// a touch of a slider whose record holds a value beyond its end (a 10 from a random face)
// brings the record back to what the slider shows.
void CFaceDlg::OnHScroll(QSlider* control) {
  for (int i = 0; i < kSliderCount; ++i) {
    if (m_sliders[i] != control) continue;
    const int position = control->sliderPosition();
    // The frames of one drag and the keys of one burst on the slider are one step.
    RecordStep(
        QString::fromLatin1(face_dlg_template::Labels()[i].text),
        [this, i, position] {
          CFace face = m_preview->Face();
          face.SliderParameter(i) = position;
          m_preview->SetFace(face);
        },
        i, m_openSlider == i);
    m_openSlider = i;
    return;
  }
}

void CFaceDlg::OnFaceTypeChanged() {
  SetFaceField("face type", &CFace::faceType, FaceTypeFromListIndex(m_cbFaceType->currentIndex()));
}

void CFaceDlg::OnGlassesChanged() { SetFaceField("glasses", &CFace::glasses, m_cbGlasses->currentIndex()); }

void CFaceDlg::OnMustacheChanged() { SetFaceField("mustache", &CFace::mustache, m_cbMustache->currentIndex()); }

void CFaceDlg::SetFaceField(const char* name, std::int32_t CFace::*field, std::int32_t value) {
  RecordStep(QString::fromLatin1(name), [this, field, value] {
    CFace face = m_preview->Face();
    face.*field = value;
    m_preview->SetFace(face);
  });
}

void CFaceDlg::OnRandomFace() {
  RecordStep(QStringLiteral("random face"), [this] {
    CFace face = m_preview->Face();
    face.Randomize(m_random);
    m_preview->SetFace(face);
    UpdateControlsFromFace();
  });
}

// The sliders show values beyond 0..9 at their ends; the record keeps the value itself.
void CFaceDlg::UpdateControlsFromFace() {
  const CFace& face = m_preview->Face();
  for (int i = 0; i < kSliderCount; ++i) {
    const QSignalBlocker quiet(m_sliders[i]);
    m_sliders[i]->setValue(face.SliderParameter(i));
  }
  SelectListItem(*m_cbFaceType, FaceTypeItemText(face.faceType));
  SelectListItem(*m_cbGlasses, GlassesItemText(face.glasses));
  SelectListItem(*m_cbMustache, MustacheItemText(face.mustache));
}

void CFaceDlg::OnAnimate() {
  m_bAnimate = m_bAnimate == 0 ? 1 : 0;
  if (m_bAnimate == 1) {
    m_preview->StartAnimation();
  } else {
    m_preview->StopAnimation();
  }
}

}  // namespace pelmoro
