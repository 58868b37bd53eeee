#include "controls/swatch_button.h"

#include <QColorDialog>
#include <QPainter>
#include <initializer_list>

#include "render/memory_dc.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {

namespace {

constexpr Color kBlack = 0x00000000;
constexpr Color kGrey = 0x00808080;
constexpr Color kWhite = 0x00FFFFFF;

// Lines through the points with a 1-pixel pen; each segment leaves out its end pixel.
void Polyline(Surface& surface, Color pen, std::initializer_list<Point> points) {
  const CSolidPen scope(surface, pen);
  auto point = points.begin();
  surface.MoveTo(point->x, point->y);
  for (++point; point != points.end(); ++point) surface.LineTo(point->x, point->y);
}

void SetPixel(Surface& surface, std::int32_t x, std::int32_t y, Color c) { surface.FillSolidRect(x, y, 1, 1, c); }

void DrawRaisedFrame(Surface& surface, const Rect& r) {
  Polyline(surface, kBlack, {{r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top}});
  Polyline(surface, kGrey, {{r.left + 1, r.bottom - 2}, {r.right - 2, r.bottom - 2}, {r.right - 2, r.top + 1}});
  Polyline(surface, kWhite, {{r.right - 2, r.top + 1}, {r.left + 1, r.top + 1}, {r.left + 1, r.bottom - 2}});
}

void DrawSunkenFrame(Surface& surface, const Rect& r) {
  Polyline(surface, kGrey, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 1, r.top}});
  Polyline(surface, kWhite, {{r.right - 1, r.top - 1}, {r.right - 1, r.bottom - 1}, {r.left + 1, r.bottom - 1}});
  Polyline(surface, kBlack, {{r.left + 1, r.bottom - 2}, {r.left + 1, r.top + 1}, {r.right - 2, r.top + 1}});
}

// A white and a grey line side by side, between the swatch and the arrow.
void DrawSeparator(Surface& surface, const Rect& r) {
  Polyline(surface, kWhite, {{r.right - 10, r.top + 4}, {r.right - 10, r.bottom - 4}});
  Polyline(surface, kGrey, {{r.right - 11, r.top + 4}, {r.right - 11, r.bottom - 4}});
}

// A downward triangle of 5, 3 and 1 pixels; grey with a white emboss when disabled.
void DrawArrow(Surface& surface, const Rect& r, bool disabled) {
  const std::int32_t m = r.bottom / 2;
  Polyline(surface, disabled ? kGrey : kBlack, {{r.right - 4, m - 1}, {r.right - 9, m - 1}});
  Polyline(surface, disabled ? kGrey : kBlack, {{r.right - 5, m}, {r.right - 8, m}});
  if (disabled) {
    SetPixel(surface, r.right - 4, m - 1, kWhite);
    SetPixel(surface, r.right - 5, m, kWhite);
    SetPixel(surface, r.right - 6, m + 1, kWhite);
  } else {
    SetPixel(surface, r.right - 6, m + 1, kBlack);
  }
}

// The colour with a 1-pixel black outline, ending 15 pixels left of the right edge.
void DrawSwatch(Surface& surface, const Rect& r, Color color) {
  const Rect outline{r.left + 5, r.top + 4, r.right - 15, r.bottom - 4};
  if (outline.IsEmpty()) return;
  surface.FillSolidRect(outline, kBlack);
  surface.FillSolidRect(Rect{outline.left + 1, outline.top + 1, outline.right - 1, outline.bottom - 1}, color);
}

// Every second pixel of the rectangle 3 pixels inside the edges.
void DrawFocus(Surface& surface, const Rect& r) {
  for (std::int32_t x = r.left + 3; x < r.right - 4; x += 2) {
    SetPixel(surface, x, r.top + 3, kBlack);
    SetPixel(surface, x, r.bottom - 4, kBlack);
  }
  for (std::int32_t y = r.top + 3; y < r.bottom - 4; y += 2) {
    SetPixel(surface, r.left + 3, y, kBlack);
    SetPixel(surface, r.right - 4, y, kBlack);
  }
}

}  // namespace

void DrawSwatchButton(Surface& surface, const Rect& item, Color color, Color face, const SwatchLook& look) {
  Rect r = item;
  // A rectangle without an outline leaves its last column and row to the frame.
  surface.FillSolidRect(r.left, r.top, r.Width() - 1, r.Height() - 1, face);
  if (look.pressed) {
    DrawSunkenFrame(surface, r);
    r = Rect{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
  } else {
    DrawRaisedFrame(surface, r);
  }
  DrawSeparator(surface, r);
  DrawArrow(surface, r, look.disabled);
  if (!look.disabled) DrawSwatch(surface, r, color);
  if (look.focused) DrawFocus(surface, r);
}

CSwatchButton::CSwatchButton(QWidget* parent)
    : QPushButton(parent), m_crFace(FromQColor(palette().color(QPalette::Button))) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] {
    if (const auto chosen = ChooseColor()) emit colorChosen(*chosen);
  });
}

void CSwatchButton::SetColor(Color color) {
  m_crColor = color;
  update();
}

std::optional<Color> CSwatchButton::ChooseColor() {
  const QColor chosen = QColorDialog::getColor(ToQColor(m_crColor), this);
  if (!chosen.isValid()) return std::nullopt;
  SetColor(FromQColor(chosen));
  return m_crColor;
}

void CSwatchButton::paintEvent(QPaintEvent*) {
  // Whatever the button face leaves uncovered shows the parent's background.
  CMemoryDC dc(width(), height(), FromQColor(palette().color(QPalette::Window)));
  if (!dc.IsValid()) return;
  DrawSwatchButton(dc, Rect{0, 0, width(), height()}, m_crColor, m_crFace,
                   SwatchLook{isDown(), !isEnabled(), hasFocus()});
  QPainter painter(this);
  painter.drawImage(0, 0, WrapSurface(dc));
}

}  // namespace pelmoro
