#pragma once
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QTimer>

namespace pelmoro {

// A text label that acts as a link: its text is drawn in the link colour (another while
// the mouse is over the text, a third once it was clicked), optionally underlined; over
// the text, and only over the text's width, the pointer becomes a pointing hand and a
// click hands the target to the desktop's default handler (mail program, browser).
class CHyperLink : public QLabel {
  Q_OBJECT

 public:
  static constexpr int kHoverInterval = 10;  // milliseconds

  explicit CHyperLink(QWidget* parent = nullptr);
  CHyperLink(const QString& text, QWidget* parent = nullptr);

  // The tooltip's text; the owner writes it directly.
  QString m_strTooltip;

  void SetURL(const QString& url) { m_strURL = url; }
  QString GetURL() const { return m_strURL; }

  void SetLinkColors(const QColor& link, const QColor& visited, const QColor& hover);
  QColor GetLinkColor() const { return m_crLinkColor; }
  QColor GetVisitedColor() const { return m_crVisitedColor; }
  QColor GetHoverColor() const { return m_crHoverColor; }

  void SetVisited(bool visited);
  bool GetVisited() const { return m_bVisited; }

  void SetLinkCursor(const QCursor& cursor) { m_hLinkCursor = cursor; }
  QCursor GetLinkCursor() const { return m_hLinkCursor; }

  void SetUnderline(bool underline);
  bool GetUnderline() const { return m_bUnderline; }

  // An invalid colour means the dialog's background.
  void SetBackColor(const QColor& color);
  QColor GetBackColor() const;

  // Whether a click opens the target; on by default.
  void SetGotoOnClick(bool gotoOnClick) { m_bGotoOnClick = gotoOnClick; }

  // Opens `target`, or the link's own target when it is empty, with the desktop's
  // default handler. False when no handler took it.
  bool GotoURL(const QString& target = QString()) const;

  // True when the label shows text (not a picture), so the text's width can be measured.
  bool IsTextStatic() const;
  // True when the cursor lies within the text's width (the full height counts); always
  // true for a label without text.
  bool IsCursorOverText() const;
  // The same for a point in widget coordinates.
  bool IsOverText(QPoint point) const;
  bool IsHover() const { return m_bHover; }
  // The colour the text is drawn in now; a disabled link is drawn as disabled text.
  QColor CurrentTextColor() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void OnHoverTimer();
  void UpdateCursor(QPoint point);
  // The first time the link is shown: an empty target becomes its text, and the font
  // follows the underline setting.
  void InitOnce();

  QFont m_fontUnderline;
  QFont m_fontNormal;
  bool m_bGotoOnClick = true;
  bool m_bInitPending = true;
  bool m_bUnderline = true;
  bool m_bHover = false;
  bool m_bVisited = false;
  QString m_strURL;
  QCursor m_hLinkCursor{Qt::PointingHandCursor};
  QColor m_crLinkColor{0x00, 0x00, 0x80};
  QColor m_crHoverColor{0x00, 0x00, 0xFF};
  QColor m_crVisitedColor{0x80, 0x00, 0x80};
  QColor m_crBackColor;
  QTimer m_hoverTimer;
};

}  // namespace pelmoro
