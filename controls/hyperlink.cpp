#include "controls/hyperlink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QUrl>

namespace pelmoro {

namespace {

QFont Underlined(QFont font) {
  font.setUnderline(true);
  return font;
}

}  // namespace

CHyperLink::CHyperLink(QWidget* parent) : CHyperLink(QString(), parent) {}

CHyperLink::CHyperLink(const QString& text, QWidget* parent)
    : QLabel(text, parent), m_fontUnderline(Underlined(QApplication::font())), m_fontNormal(QApplication::font()) {
  setTextFormat(Qt::PlainText);
  setMouseTracking(true);
  setFont(m_bUnderline ? m_fontUnderline : m_fontNormal);
  m_hoverTimer.setInterval(kHoverInterval);
  connect(&m_hoverTimer, &QTimer::timeout, this, &CHyperLink::OnHoverTimer);
}

void CHyperLink::SetLinkColors(const QColor& link, const QColor& visited, const QColor& hover) {
  m_crLinkColor = link;
  m_crVisitedColor = visited;
  m_crHoverColor = hover;
  update();
}

void CHyperLink::SetVisited(bool visited) {
  m_bVisited = visited;
  update();
}

void CHyperLink::SetUnderline(bool underline) {
  m_bUnderline = underline;
  setFont(underline ? m_fontUnderline : m_fontNormal);
  update();
}

void CHyperLink::SetBackColor(const QColor& color) {
  m_crBackColor = color;
  update();
}

QColor CHyperLink::GetBackColor() const {
  return m_crBackColor.isValid() ? m_crBackColor : palette().color(QPalette::Window);
}

bool CHyperLink::GotoURL(const QString& target) const {
  return QDesktopServices::openUrl(QUrl(target.isEmpty() ? m_strURL : target));
}

bool CHyperLink::IsTextStatic() const { return pixmap().isNull() && movie() == nullptr; }

bool CHyperLink::IsOverText(QPoint point) const {
  if (!IsTextStatic()) return true;
  const int textWidth = fontMetrics().horizontalAdvance(text());
  int left = 0;
  int right = width();
  const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
  if (horizontal & Qt::AlignHCenter) {
    left += (width() - textWidth) / 2;
    right -= (width() - textWidth) / 2;
  } else if (horizontal & Qt::AlignRight) {
    left = right - textWidth;
  } else {
    right = left + textWidth;
  }
  return point.x() >= left && point.x() < right && point.y() >= 0 && point.y() < height();
}

bool CHyperLink::IsCursorOverText() const { return IsOverText(mapFromGlobal(QCursor::pos())); }

QColor CHyperLink::CurrentTextColor() const {
  if (!isEnabled()) return palette().color(QPalette::Disabled, QPalette::WindowText);
  if (m_bHover) return m_crHoverColor;
  return m_bVisited ? m_crVisitedColor : m_crLinkColor;
}

void CHyperLink::UpdateCursor(QPoint point) {
  if (IsOverText(point))
    setCursor(m_hLinkCursor);
  else
    unsetCursor();
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  UpdateCursor(point);
  if (IsTextStatic() && IsOverText(point)) m_hoverTimer.start();
  QLabel::mouseMoveEvent(event);
}

// Runs while the mouse is over the text; stops once it has left.
void CHyperLink::OnHoverTimer() {
  if (IsCursorOverText()) {
    m_bHover = true;
  } else {
    m_hoverTimer.stop();
    m_bHover = false;
  }
  repaint();
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
  if (!IsOverText(event->position().toPoint())) return;
  QLabel::mousePressEvent(event);
  m_bVisited = true;
  if (m_bGotoOnClick) GotoURL();
}

void CHyperLink::showEvent(QShowEvent* event) {
  InitOnce();
  QLabel::showEvent(event);
}

void CHyperLink::InitOnce() {
  if (!m_bInitPending) return;
  m_bInitPending = false;
  if (IsTextStatic() && m_strURL.isEmpty()) m_strURL = text();
}

bool CHyperLink::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QLabel::event(event);
  if (m_strTooltip.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), m_strTooltip, this);
  return true;
}

void CHyperLink::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), GetBackColor());
  painter.setFont(font());
  painter.setPen(CurrentTextColor());
  painter.drawText(rect(), static_cast<int>(alignment()) | Qt::TextSingleLine, text());
}

}  // namespace pelmoro
