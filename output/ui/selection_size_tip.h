#pragma once
#include <QPoint>
#include <QString>
#include <QTimer>

class QWidget;

namespace pelmoro {

// The tooltip that shows the selection's size near the cursor. It holds one text; while
// active it appears 400 ms after it was activated (or after the mouse came to rest in the
// tool area, the owner's client area grown by 25 pixels on every side) and then follows
// the text and the mouse at once.
class SelectionSizeTip {
 public:
  static constexpr int kDelayMs = 400;
  static constexpr int kToolMargin = 25;

  explicit SelectionSizeTip(QWidget* owner);
  ~SelectionSizeTip();
  SelectionSizeTip(const SelectionSizeTip&) = delete;
  SelectionSizeTip& operator=(const SelectionSizeTip&) = delete;

  // Sets the text and activates the tip. An empty text changes nothing.
  void Show(const QString& text, const QPoint& cursor);
  // Deactivates the tip and takes it off the screen; the text is kept.
  void Hide();
  // Tells the tip about a mouse message at the cursor (owner coordinates): a move lets an
  // active tip follow or, when it is not on the screen, wait for the mouse to rest; a
  // button press or release takes it off the screen until the mouse moves again.
  void RelayMouse(const QPoint& cursor, bool buttonEvent);

  const QString& Text() const { return m_text; }
  bool IsActive() const { return m_bActive; }
  // Whether the tip is on the screen now (the toolkit takes it off when the mouse leaves
  // the tool area).
  bool IsShowing() const;

 private:
  void ShowNow();
  void TakeOff();

  QWidget* m_owner;
  QString m_text;
  QPoint m_cursor;
  bool m_bActive = false;
  bool m_bShowing = false;
  QTimer m_delay;
};

}  // namespace pelmoro
