#include "controls/icon_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTextStream>
#include <optional>

#include "controls/icon_menu_mnemonic.h"
#include "controls/icon_menu_style.h"

namespace pelmoro {

namespace {

// Marks an item whose icon the manager set; holds the image index.
constexpr const char* kImageProperty = "pelmoroMenuImage";

// The image size and commands of a toolbar description file.
std::optional<MenuToolbar> ReadToolbar(const QString& file) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
  QTextStream words(&in);
  int version = 0, width = 0, height = 0, count = -1;
  words >> version >> width >> height >> count;
  if (words.status() != QTextStream::Ok || width <= 0 || height <= 0 || count < 0) return std::nullopt;
  MenuToolbar toolbar;
  toolbar.imageSize = QSize(width, height);
  for (int i = 0; i < count; ++i) {
    int id = -1;
    words >> id;
    if (words.status() != QTextStream::Ok || id < 0) return std::nullopt;
    if (id != 0) toolbar.commands.push_back(id);  // a separator has no image
  }
  return toolbar;
}

// The command a menu item names in its data; 0 for none.
int CommandIdOf(const QAction& action) {
  bool isNumber = false;
  const int id = action.data().toInt(&isNumber);
  return isNumber && id > 0 ? id : 0;
}

QList<QAction*> VisibleActions(const QMenu& menu) {
  QList<QAction*> visible;
  for (QAction* action : menu.actions())
    if (action->isVisible()) visible.push_back(action);
  return visible;
}

}  // namespace

CIconMenuManager::CIconMenuManager(QObject* parent) : QObject(parent), m_style(new CIconMenuStyle(*this)) {
  m_style->setParent(this);
}

CIconMenuManager::~CIconMenuManager() {
  for (const QPointer<QMenu>& menu : m_installedMenus) {
    if (!menu) continue;
    ConvertMenu(menu, false);
    menu->removeEventFilter(this);
    menu->setStyle(nullptr);
  }
}

bool CIconMenuManager::LoadToolbar(unsigned id, const QString& bitmapFile, const QString& toolbarFile) {
  std::optional<MenuToolbar> toolbar = ReadToolbar(toolbarFile);
  if (!toolbar) return false;
  toolbar->id = id;
  toolbar->strip = QImage(bitmapFile);
  return LoadToolbar(*toolbar);
}

bool CIconMenuManager::LoadToolbar(const MenuToolbar& toolbar) {
  if (toolbar.strip.isNull() || toolbar.imageSize.isEmpty()) return false;
  if (!m_sizeBitmap.isEmpty() && m_sizeBitmap != toolbar.imageSize) return false;
  if (m_sizeBitmap.isEmpty()) {
    m_sizeBitmap = toolbar.imageSize;
    m_sizeButton = m_sizeBitmap + QSize(2, 2);
  }
  const int first = ImageCount();
  AddImages(toolbar.strip, m_sizeBitmap);
  for (std::size_t i = 0; i < toolbar.commands.size(); ++i) {
    if (toolbar.commands[i] != 0) m_imageOfCommand.try_emplace(toolbar.commands[i], first + static_cast<int>(i));
  }
  m_toolbarIds.push_back(toolbar.id);
  m_toolbars.push_back(toolbar);
  return true;
}

void CIconMenuManager::AddImages(const QImage& strip, QSize size) {
  const QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
  for (int x = 0; x + size.width() <= argb.width(); x += size.width())
    m_images.push_back(argb.copy(x, 0, size.width(), size.height()));
}

int CIconMenuManager::ImageOfCommand(int commandId) const {
  const auto found = m_imageOfCommand.find(commandId);
  return found == m_imageOfCommand.end() ? -1 : found->second;
}

QImage CIconMenuManager::Image(int index) const {
  return index >= 0 && index < ImageCount() ? m_images[static_cast<std::size_t>(index)] : QImage();
}

void CIconMenuManager::Install(QMenuBar* bar) {
  for (QAction* action : bar->actions())
    if (action->menu()) Install(action->menu());
}

void CIconMenuManager::Install(QMenu* menu) {
  if (m_installedMenus.contains(menu)) return;
  m_installedMenus.push_back(menu);
  menu->setStyle(m_style);
  menu->installEventFilter(this);
  connect(menu, &QMenu::aboutToShow, this, [this, menu] { OnInitMenuPopup(menu); });
  connect(menu, &QMenu::aboutToHide, this, [this, menu] { OnMenuClosed(menu); });
  for (QAction* action : menu->actions())
    if (action->menu()) Install(action->menu());
}

void CIconMenuManager::OnInitMenuPopup(QMenu* menu) { ConvertMenu(menu, m_bShowImages != 0); }

void CIconMenuManager::OnMenuClosed(QMenu* menu) {
  ConvertMenu(menu, false);
  m_convertedMenus.removeAll(menu);
}

void CIconMenuManager::ConvertMenu(QMenu* menu, bool convert) {
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    const bool ours = action->property(kImageProperty).isValid();
    if (convert && !ours && action->icon().isNull()) {
      const int image = ImageOfCommand(CommandIdOf(*action));
      action->setProperty(kImageProperty, image);
      if (image >= 0) action->setIcon(QIcon(QPixmap::fromImage(Image(image))));
    } else if (!convert && ours) {
      if (action->property(kImageProperty).toInt() >= 0) action->setIcon(QIcon());
      action->setProperty(kImageProperty, QVariant());
    }
  }
  if (convert && !m_convertedMenus.contains(menu)) m_convertedMenus.push_back(menu);
}

void CIconMenuManager::Destroy() {
  m_images.clear();
  m_imageOfCommand.clear();
  m_sizeBitmap = QSize(0, 0);
  m_sizeButton = QSize(0, 0);
  m_toolbarIds.clear();
  m_toolbars.clear();
}

bool CIconMenuManager::Refresh() {
  const std::vector<MenuToolbar> toolbars = m_toolbars;
  Destroy();
  bool loaded = true;
  for (const MenuToolbar& toolbar : toolbars) loaded = LoadToolbar(toolbar) && loaded;
  return loaded;
}

bool CIconMenuManager::eventFilter(QObject* watched, QEvent* event) {
  auto* menu = qobject_cast<QMenu*>(watched);
  if (menu && event->type() == QEvent::KeyPress) return OnMenuChar(menu, static_cast<const QKeyEvent&>(*event));
  return QObject::eventFilter(watched, event);
}

bool CIconMenuManager::OnMenuChar(QMenu* menu, const QKeyEvent& key) {
  const QString typed = key.text();
  if (typed.size() != 1 || !typed[0].isPrint() || typed[0].isSpace()) return false;
  if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;

  const QList<QAction*> items = VisibleActions(*menu);
  QStringList texts;
  for (const QAction* action : items) texts.push_back(action->isSeparator() ? QString() : action->text());
  const MenuCharResult result = pelmoro::OnMenuChar(typed[0], texts, items.indexOf(menu->activeAction()));
  if (result.action == MenuCharResult::kNone) return false;

  menu->setActiveAction(items[result.position]);
  if (result.action == MenuCharResult::kExecute) {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &enter);
  }
  return true;
}

}  // namespace pelmoro
