#include "output/ui/selection_size_tip.h"

#include <QToolTip>
#include <QWidget>

namespace pelmoro {

SelectionSizeTip::SelectionSizeTip(QWidget* owner) : m_owner(owner) {
  m_delay.setSingleShot(true);
  m_delay.setInterval(kDelayMs);
  QObject::connect(&m_delay, &QTimer::timeout, [this] { ShowNow(); });
}

SelectionSizeTip::~SelectionSizeTip() {
  if (m_bShowing) QToolTip::hideText();
}

void SelectionSizeTip::Show(const QString& text, const QPoint& cursor) {
  if (text.isEmpty()) return;
  m_text = text;
  m_cursor = cursor;
  m_bActive = true;
  if (IsShowing()) {
    ShowNow();
  } else if (!m_delay.isActive()) {
    m_delay.start();
  }
}

void SelectionSizeTip::Hide() {
  m_bActive = false;
  m_delay.stop();
  TakeOff();
}

void SelectionSizeTip::RelayMouse(const QPoint& cursor, bool buttonEvent) {
  m_cursor = cursor;
  if (!m_bActive) return;
  if (buttonEvent) {
    m_delay.stop();
    TakeOff();
  } else if (IsShowing()) {
    ShowNow();
  } else {
    m_delay.start();
  }
}

bool SelectionSizeTip::IsShowing() const { return m_bShowing && QToolTip::isVisible(); }

void SelectionSizeTip::ShowNow() {
  if (!m_bActive || m_text.isEmpty()) return;
  const QRect toolArea = m_owner->rect().adjusted(-kToolMargin, -kToolMargin, kToolMargin, kToolMargin);
  if (!toolArea.contains(m_cursor)) {
    TakeOff();
    return;
  }
  QToolTip::showText(m_owner->mapToGlobal(m_cursor), m_text, m_owner, toolArea);
  m_bShowing = true;
}

void SelectionSizeTip::TakeOff() {
  if (m_bShowing) QToolTip::hideText();
  m_bShowing = false;
}

}  // namespace pelmoro
