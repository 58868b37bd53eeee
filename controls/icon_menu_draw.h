#pragma once
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

namespace pelmoro {

// The colours a menu item is drawn with.
struct MenuColors {
  QColor menu;           // menu background
  QColor menuText;       // text of an ordinary item
  QColor highlight;      // background of the selected item
  QColor highlightText;  // text of the selected item
  QColor grayText;       // text of a disabled item
  QColor light3d;        // face of a checked button
  QColor btnHighlight;   // light edges, the raised copy of disabled text and images
  QColor btnShadow;      // dark edges, the shadow of disabled images
};

// One menu item as it is drawn.
struct MenuItemLook {
  QRect rect;
  QString text;  // with "&" mnemonic markers and an optional tab before a right part
  QImage image;  // the command's image; null for none
  bool separator = false;
  bool disabled = false;
  bool selected = false;
  bool checked = false;
  bool subMenu = false;  // opens a submenu: an arrow at the right
};

// The sizes shared by all items of the menus: the images and their buttons (the image
// plus one pixel all round).
struct MenuMetrics {
  QSize bitmap{16, 16};
  QSize button{18, 18};
  int menuHeight = 19;  // the height of a line of the menu bar
};

// The size of an item: a separator is half a menu line high; other items are as tall as
// a menu line (at least as tall as their text) and as wide as the text plus a button's
// width on either side and 4 pixels.
QSize OnMeasureItem(const QFontMetrics& metrics, const MenuItemLook& item, const MenuMetrics& sizes);

// Draws an item: the button column with the image (embossed when disabled) or, for a
// checked item without image, a sunken check mark; the highlight; the text left of a tab
// left-aligned and the rest right-aligned. A separator is an etched line across its middle.
void OnDrawItem(QPainter& painter, const MenuItemLook& item, const MenuColors& colors, const MenuMetrics& sizes);

// The menu height of a font: its line height and 6 pixels, at least a button and a pixel.
int MenuHeightFor(const QFontMetrics& metrics, QSize button);

}  // namespace pelmoro
