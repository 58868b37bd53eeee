#include "controls/ext_button.h"

#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/icon_menu_painting.h"
#include "controls/ui_font.h"

namespace pelmoro {

namespace {

constexpr int kCaptionFlags = Qt::TextShowMnemonic | Qt::TextSingleLine;

// Half the free space, never above the top edge.
int CentredOffset(int available, int size) { return std::max(0, (available - size) / 2); }

}  // namespace

CExtButtonCtrl::CExtButtonCtrl(QWidget* parent) : CExtButtonCtrl(QString(), parent) {}

CExtButtonCtrl::CExtButtonCtrl(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  ReadSystemColors();
  setFont(CUiFont::Instance().Bold());
  setMouseTracking(true);
  m_hoverTimer.setInterval(kHoverInterval);
  connect(&m_hoverTimer, &QTimer::timeout, this, &CExtButtonCtrl::OnHoverTimer);
}

void CExtButtonCtrl::ReadSystemColors() {
  const QPalette& p = palette();
  m_crFace = p.color(QPalette::Active, QPalette::Button);
  m_crShadow = p.color(QPalette::Active, QPalette::Dark);
  m_crHighlight = p.color(QPalette::Active, QPalette::Light);
  m_crText = p.color(QPalette::Active, QPalette::ButtonText);
}

void CExtButtonCtrl::SetColors(const QColor& face, const QColor& highlight, const QColor& shadow, const QColor& text) {
  SetButtonFaceColor(face);
  SetHighlightColor(highlight);
  SetShadowColor(shadow);
  SetTextColor(text);
  m_bCustomColors = 1;
}

bool CExtButtonCtrl::SetIcon(int width, int height, const QPixmap& icon, const QPixmap& pressedIcon, bool redraw) {
  const QSize size(width, height);
  auto fitted = [size](const QPixmap& p) {
    return p.isNull() || p.size() == size ? p : p.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  };
  m_hIconNormal = fitted(icon);
  m_hIconPressed = fitted(pressedIcon);
  m_sizeImage = size;
  if (redraw) update();
  return true;
}

QString CExtButtonCtrl::GetCaption(bool stripMnemonics) const {
  if (!stripMnemonics) return text();
  QString shown;
  const QString caption = text();
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      shown += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
      shown += u'&';
      ++i;
    }
  }
  return shown;
}

QPoint CExtButtonCtrl::GetImagePosition(const ButtonDrawState& state, const QRect& rect, bool hasPressedIcon) const {
  QPoint p(m_nMargin, CentredOffset(rect.height(), m_sizeImage.height()));
  if (state.pressed && !hasPressedIcon) p += QPoint(1, 1);
  return p;
}

QPoint CExtButtonCtrl::GetTextPosition(const ButtonDrawState& state, const QRect& rect, QSize textSize) const {
  int x = m_nMargin + m_sizeImage.width();
  x += (rect.x() + rect.width() - x - textSize.width() - m_nMargin) / 2;
  QPoint p(x, CentredOffset(rect.height(), textSize.height()));
  if (state.pressed) p += QPoint(1, 1);
  return p;
}

void CExtButtonCtrl::DrawItem(QPainter& painter, const ButtonDrawState& state, const QRect& rect) {
  painter.save();
  painter.fillRect(rect, m_crFace);
  if (state.pressed)
    Draw3dFrame(painter, rect, m_crShadow, m_crHighlight);
  else if (m_bHot)
    Draw3dFrame(painter, rect, m_crHighlight, m_crShadow);
  DrawButtonCaption(painter, state, rect);
  DrawButtonIcon(painter, state, rect);
  if (state.focused) DrawFocusMark(painter, rect);
  painter.restore();
}

// Every second pixel of the rectangle 3 pixels inside the edges, in the caption's colour,
// as the colour buttons mark their focus.
void CExtButtonCtrl::DrawFocusMark(QPainter& painter, const QRect& rect) {
  painter.setPen(m_crText);
  const int left = rect.left() + 3;
  const int top = rect.top() + 3;
  const int right = rect.right() - 3;
  const int bottom = rect.bottom() - 3;
  for (int x = left; x < right; x += 2) {
    painter.drawPoint(x, top);
    painter.drawPoint(x, bottom);
  }
  for (int y = top; y < bottom; y += 2) {
    painter.drawPoint(left, y);
    painter.drawPoint(right, y);
  }
}

void CExtButtonCtrl::DrawButtonCaption(QPainter& painter, const ButtonDrawState& state, const QRect& rect) {
  if (GetCaption(true).isEmpty()) return;
  const QSize size = fontMetrics().size(kCaptionFlags, text());
  const QPoint at = GetTextPosition(state, rect, size);
  painter.setFont(font());
  painter.setPen(state.disabled ? palette().color(QPalette::Disabled, QPalette::WindowText) : m_crText);
  painter.drawText(QRect(at, size), kCaptionFlags, text());
}

void CExtButtonCtrl::DrawButtonIcon(QPainter& painter, const ButtonDrawState& state, const QRect& rect) {
  if (m_hIconNormal.isNull()) return;
  const bool usePressed = state.pressed && !m_hIconPressed.isNull();
  const QPixmap& icon = usePressed ? m_hIconPressed : m_hIconNormal;
  const QPoint at = GetImagePosition(state, rect, !m_hIconPressed.isNull());
  if (state.disabled)
    DrawEmbossed(painter, at, icon.toImage(), m_crHighlight, m_crShadow);
  else
    painter.drawPixmap(at, icon);
}

void CExtButtonCtrl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawItem(painter, {isDown(), !isEnabled(), hasFocus()}, rect());
}

void CExtButtonCtrl::keyPressEvent(QKeyEvent* event) {
  if (m_bEnterPresses && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    animateClick();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void CExtButtonCtrl::mouseMoveEvent(QMouseEvent* event) {
  m_hoverTimer.start();
  OnHoverTimer();
  QPushButton::mouseMoveEvent(event);
}

// Polls the cursor, so the hot look goes even when the mouse leaves faster than the
// widget hears of it.
void CExtButtonCtrl::OnHoverTimer() {
  const bool inside = rect().contains(mapFromGlobal(QCursor::pos()));
  if (!m_bMouseDown && inside) {
    if (!m_bHotDrawn) {
      m_bHot = 1;
      update();
      m_bHotDrawn = 1;
    }
    return;
  }
  m_hoverTimer.stop();
  m_bHot = 0;
  if (m_bHotDrawn) update();
  m_bHotDrawn = 0;
}

void CExtButtonCtrl::SetMouseDown(int down) {
  if (m_bMouseDown == down) return;
  m_bMouseDown = down;
  update();
}

void CExtButtonCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) SetMouseDown(1);
  QPushButton::mousePressEvent(event);
}

void CExtButtonCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) SetMouseDown(0);
  QPushButton::mouseReleaseEvent(event);
}

void CExtButtonCtrl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange && !m_bCustomColors) ReadSystemColors();
  QPushButton::changeEvent(event);
}

}  // namespace pelmoro
