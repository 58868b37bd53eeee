#include "controls/icon_menu_draw.h"

#include <QFontMetrics>
#include <QPainter>

#include "controls/icon_menu_painting.h"

namespace pelmoro {

namespace {

constexpr int kTextFlags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
constexpr int kExtraWidth = 4;
constexpr int kMenuLineExtra = 6;

// The check mark of a checked item without image: a 13 x 13 cell with a tick in it.
constexpr int kCheckSize = 13;
constexpr const char* kTick[] = {
    "......#",  //
    ".....##",  //
    "#...###",  //
    "##.###.",  //
    "#####..",  //
    ".###...",  //
    "..#....",  //
};

QRect ButtonRect(const QRect& item, const MenuMetrics& sizes) {
  return {item.left(), item.top() + (item.height() - sizes.button.height()) / 2, sizes.button.width(),
          sizes.button.height()};
}

void DrawSunkenEdge(QPainter& painter, const QRect& r, const MenuColors& colors) {
  Draw3dFrame(painter, r, colors.btnShadow, colors.btnHighlight);
}

void DrawRaisedEdge(QPainter& painter, const QRect& r, const MenuColors& colors) {
  Draw3dFrame(painter, r, colors.btnHighlight, colors.btnShadow);
}

void DrawTick(QPainter& painter, const QRect& cell, const QColor& color) {
  const int size = static_cast<int>(std::size(kTick));
  const QPoint origin = cell.topLeft() + QPoint((cell.width() - size) / 2, (cell.height() - size) / 2);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (kTick[y][x] == '#') painter.fillRect(origin.x() + x, origin.y() + y, 1, 1, color);
}

// The sunken three-dimensional check mark in the button column.
void DrawCheckMark(QPainter& painter, const QRect& button, bool selected, const MenuColors& colors) {
  const QRect cell(button.left() + (button.width() - kCheckSize) / 2, button.top() + (button.height() - kCheckSize) / 2,
                   kCheckSize, kCheckSize);
  painter.fillRect(cell, selected ? colors.menu : colors.light3d);
  DrawTick(painter, cell, colors.menuText);
  DrawSunkenEdge(painter, kCheckSize < button.width() ? cell.adjusted(-1, -1, 1, 1) : cell, colors);
}

void DrawImageButton(QPainter& painter, const QRect& button, const MenuItemLook& item, const MenuColors& colors,
                     const MenuMetrics& sizes) {
  const QPoint at = button.topLeft() + QPoint((sizes.button.width() - sizes.bitmap.width()) / 2,
                                              (sizes.button.height() - sizes.bitmap.height()) / 2);
  if (item.disabled) {
    DrawEmbossed(painter, at, item.image, colors.btnHighlight, colors.btnShadow);
    return;
  }
  painter.fillRect(button, item.checked && !item.selected ? colors.light3d : colors.menu);
  if (item.checked)
    DrawSunkenEdge(painter, button, colors);
  else if (item.selected)
    DrawRaisedEdge(painter, button, colors);
  painter.drawImage(at, item.image);
}

void DrawItemText(QPainter& painter, const QRect& area, const QString& text, const QColor& color) {
  const qsizetype tab = text.indexOf(u'\t');
  painter.setPen(color);
  painter.drawText(area, kTextFlags | Qt::AlignLeft, text.left(tab));
  if (tab >= 0) painter.drawText(area, kTextFlags | Qt::AlignRight, text.mid(tab + 1));
}

// A small triangle pointing right, centred in `area`.
void DrawSubMenuArrow(QPainter& painter, const QRect& area, const QColor& color) {
  constexpr int kArrowWidth = 4;
  const int x = area.left() + (area.width() - kArrowWidth) / 2;
  const int middle = area.top() + area.height() / 2;
  for (int i = 0; i < kArrowWidth; ++i) {
    const int half = kArrowWidth - 1 - i;
    painter.fillRect(x + i, middle - half, 1, 2 * half + 1, color);
  }
}

void DrawSeparator(QPainter& painter, const QRect& r, const MenuColors& colors) {
  const int y = r.top() + r.height() / 2;
  painter.fillRect(r.left(), y, r.width(), 1, colors.btnShadow);
  painter.fillRect(r.left(), y + 1, r.width(), 1, colors.btnHighlight);
}

}  // namespace

int MenuHeightFor(const QFontMetrics& metrics, QSize button) {
  return std::max(metrics.height() + kMenuLineExtra, button.height() + 1);
}

QSize OnMeasureItem(const QFontMetrics& metrics, const MenuItemLook& item, const MenuMetrics& sizes) {
  // Qt drops items of no width; the menu is as wide as its widest item anyway.
  if (item.separator) return {1, sizes.menuHeight / 2};
  QString shown = item.text;
  shown.replace(u'\t', u' ');
  const QSize text = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, shown);
  return {text.width() + 2 * sizes.button.width() + kExtraWidth, std::max(text.height(), sizes.menuHeight)};
}

void OnDrawItem(QPainter& painter, const MenuItemLook& item, const MenuColors& colors, const MenuMetrics& sizes) {
  const QRect& r = item.rect;
  painter.fillRect(r, colors.menu);
  if (item.separator) {
    DrawSeparator(painter, r, colors);
    return;
  }
  const QRect button = ButtonRect(r, sizes);
  bool hasButton = false;
  if (!item.image.isNull()) {
    DrawImageButton(painter, button, item, colors, sizes);
    hasButton = true;
  } else if (item.checked) {
    DrawCheckMark(painter, button, item.selected, colors);
    hasButton = true;
  }

  const QColor background = item.selected ? colors.highlight : colors.menu;
  if (item.selected) {
    const int left = hasButton ? r.left() + sizes.button.width() + 1 : r.left();
    painter.fillRect(QRect(QPoint(left, r.top()), r.bottomRight()), background);
  }

  const QRect textArea = r.adjusted(sizes.button.width() + 2, 0, -sizes.button.width(), 0);
  const QColor color = item.disabled ? colors.grayText : item.selected ? colors.highlightText : colors.menuText;
  if (item.disabled && (color != background || !item.selected))
    DrawItemText(painter, textArea.translated(1, 1), item.text, colors.btnHighlight);
  DrawItemText(painter, textArea, item.text, color);
  if (item.subMenu)
    DrawSubMenuArrow(painter, QRect(textArea.right() + 1, r.top(), sizes.button.width(), r.height()), color);
}

}  // namespace pelmoro
