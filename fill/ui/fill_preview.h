#pragma once
#include <QFrame>

#include "model/fill_settings.h"

namespace pelmoro {

// The live preview square of the fill type dialog: inside a thin border it shows the solid
// colour or the gradient of the fill the dialog gives it.
class CFillPreview : public QFrame {
 public:
  explicit CFillPreview(QWidget* parent = nullptr);

  const FillSettings& Fill() const { return m_fill; }
  // Shows the fill: its type, its solid colour, or its gradient colours in the direction
  // its flags select (as the picture's fill does). Repaints.
  void SetFill(const FillSettings& fill);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  FillSettings m_fill;
};

}  // namespace pelmoro
