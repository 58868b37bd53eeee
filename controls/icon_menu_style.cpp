#include "controls/icon_menu_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include "controls/icon_menu.h"
#include "controls/icon_menu_painting.h"

namespace pelmoro {

namespace {

MenuItemLook LookOf(const QStyleOptionMenuItem& option) {
  MenuItemLook item;
  item.rect = option.rect;
  item.text = option.text;
  item.separator = option.menuItemType == QStyleOptionMenuItem::Separator;
  item.subMenu = option.menuItemType == QStyleOptionMenuItem::SubMenu;
  item.disabled = !(option.state & QStyle::State_Enabled);
  item.selected = (option.state & QStyle::State_Selected) != 0;
  item.checked = option.checkType != QStyleOptionMenuItem::NotCheckable && option.checked;
  return item;
}

}  // namespace

// A style of the application's kind of its own, so the proxy never owns the application's.
CIconMenuStyle::CIconMenuStyle(const CIconMenuManager& manager)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), m_manager(manager) {}

MenuColors CIconMenuStyle::ColorsOf(const QPalette& palette) {
  MenuColors colors;
  colors.menu = palette.color(QPalette::Active, QPalette::Window);
  colors.menuText = palette.color(QPalette::Active, QPalette::WindowText);
  colors.highlight = palette.color(QPalette::Active, QPalette::Highlight);
  colors.highlightText = palette.color(QPalette::Active, QPalette::HighlightedText);
  colors.grayText = palette.color(QPalette::Disabled, QPalette::WindowText);
  colors.light3d = palette.color(QPalette::Active, QPalette::Midlight);
  colors.btnHighlight = palette.color(QPalette::Active, QPalette::Light);
  colors.btnShadow = palette.color(QPalette::Active, QPalette::Dark);
  return colors;
}

MenuMetrics CIconMenuStyle::MetricsFor(const QFontMetrics& metrics) const {
  MenuMetrics sizes;
  sizes.bitmap = m_manager.BitmapSize();
  sizes.button = m_manager.ButtonSize();
  sizes.menuHeight = MenuHeightFor(metrics, sizes.button);
  return sizes;
}

void CIconMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (element == CE_MenuEmptyArea && item) {
    painter->fillRect(option->rect, ColorsOf(option->palette).menu);
    return;
  }
  if (element != CE_MenuItem || !item) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  const MenuMetrics sizes = MetricsFor(option->fontMetrics);
  painter->save();
  painter->setFont(item->font);
  MenuItemLook look = LookOf(*item);
  if (!item->icon.isNull()) look.image = item->icon.pixmap(sizes.bitmap, 1.0).toImage();
  OnDrawItem(*painter, look, ColorsOf(option->palette), sizes);
  painter->restore();
}

void CIconMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
  const MenuColors colors = ColorsOf(option->palette);
  if (element == PE_PanelMenu) {
    painter->fillRect(option->rect, colors.menu);
  } else if (element == PE_FrameMenu) {
    // A raised two-pixel edge: light and dark outside, white and shadow inside.
    const QColor darkShadow = option->palette.color(QPalette::Active, QPalette::Shadow);
    Draw3dFrame(*painter, option->rect, colors.light3d, darkShadow);
    Draw3dFrame(*painter, option->rect.adjusted(1, 1, -1, -1), colors.btnHighlight, colors.btnShadow);
  } else {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

int CIconMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  if (metric == PM_MenuPanelWidth) return kFrameWidth;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize CIconMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                       const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (type != CT_MenuItem || !item) return QProxyStyle::sizeFromContents(type, option, size, widget);
  const MenuMetrics sizes = MetricsFor(option->fontMetrics);
  return OnMeasureItem(option->fontMetrics, LookOf(*item), sizes);
}

}  // namespace pelmoro
