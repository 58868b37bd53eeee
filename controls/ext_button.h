#pragma once
#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

class QPainter;

namespace pelmoro {

// What DrawItem needs to know about the button's state.
struct ButtonDrawState {
  bool pressed = false;
  bool disabled = false;
  bool focused = false;
};

// A flat push button: face colour only, a small icon at its left margin and the caption
// centred in the rest. A raised one-pixel frame shows while the mouse is over it and a
// sunken one while it is pressed; pressed, icon and caption move one pixel right and down.
// A double click counts as a second click (Qt's buttons already treat it as a press).
// The caption uses the bold interface font.
class CExtButtonCtrl : public QPushButton {
  Q_OBJECT

 public:
  static constexpr int kHoverInterval = 10;  // milliseconds

  explicit CExtButtonCtrl(QWidget* parent = nullptr);
  CExtButtonCtrl(const QString& text, QWidget* parent = nullptr);

  // Colours set here survive palette changes.
  void SetColors(const QColor& face, const QColor& highlight, const QColor& shadow, const QColor& text);
  void SetButtonFaceColor(const QColor& color) { m_crFace = color; }
  QColor GetButtonFaceColor() const { return m_crFace; }
  void SetHighlightColor(const QColor& color) { m_crHighlight = color; }
  void SetShadowColor(const QColor& color) { m_crShadow = color; }
  void SetTextColor(const QColor& color) { m_crText = color; }

  // Takes the icons (scaled to width x height when they differ) and repaints if asked.
  // A null pressed icon means the normal one is drawn shifted while pressed.
  bool SetIcon(int width, int height, const QPixmap& icon, const QPixmap& pressedIcon = QPixmap(), bool redraw = true);
  int GetStyle() const { return m_nStyle; }

  // The caption as shown: without mnemonic markers when `stripMnemonics` ("&&" shows "&").
  QString GetCaption(bool stripMnemonics) const;
  // Where the image goes in `rect` for the given state.
  QPoint GetImagePosition(const ButtonDrawState& state, const QRect& rect, bool hasPressedIcon) const;
  // Where the caption's top-left corner goes, for a caption of the given size.
  QPoint GetTextPosition(const ButtonDrawState& state, const QRect& rect, QSize textSize) const;

  bool IsHot() const { return m_bHot != 0; }
  // Whether Enter presses the button while it has the focus, as Space always does (off at
  // first: in a dialog whose Enter changes nothing, the button leaves it so).
  void SetEnterPresses(bool presses) { m_bEnterPresses = presses; }

 protected:
  // Paints the whole button: face, frame while hot or pressed, caption, icon.
  virtual void DrawItem(QPainter& painter, const ButtonDrawState& state, const QRect& rect);
  virtual void DrawButtonCaption(QPainter& painter, const ButtonDrawState& state, const QRect& rect);
  virtual void DrawButtonIcon(QPainter& painter, const ButtonDrawState& state, const QRect& rect);

  // The dotted focus mark inside the edges, drawn while the button has the focus.
  void DrawFocusMark(QPainter& painter, const QRect& rect);

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ReadSystemColors();
  void OnHoverTimer();
  void SetMouseDown(int down);

  QPixmap m_hIconNormal;
  QPixmap m_hIconPressed;
  QSize m_sizeImage{0, 0};
  int m_nMargin = 4;
  int m_nStyle = 1;
  bool m_bEnterPresses = false;
  int m_bHot = 0;
  int m_bMouseDown = 0;
  int m_bCustomColors = 0;
  int m_bHotDrawn = 0;
  QColor m_crText;
  QColor m_crFace;
  QColor m_crHighlight;
  QColor m_crShadow;
  QTimer m_hoverTimer;
};

}  // namespace pelmoro
