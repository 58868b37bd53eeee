#pragma once
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <map>
#include <vector>

class QKeyEvent;
class QMenu;
class QMenuBar;

namespace pelmoro {

class CIconMenuStyle;

// The images a toolbar gives commands: a strip of equal images side by side, and the
// command of each image in strip order (0 for an image of no command).
struct MenuToolbar {
  unsigned id = 0;
  QImage strip;
  QSize imageSize;
  std::vector<int> commands;
};

// Gives menus the icon-menu look: next to each command the 16 x 16 image that a toolbar
// gives the same command, drawn as a small flat button; a sunken check mark for a checked
// item without image; etched separators. While a menu is open its items carry their
// images as icons ("converted"); when it closes they are given back as they were. Typed
// letters pick items by their "&" mnemonics: a letter shared by several items selects the
// next of them, a letter unique in the menu runs its item. A menu item names its command
// by the number in its data.
class CIconMenuManager : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kLoadFailedMessage = "Failed to load toolbar for icon menu !";

  explicit CIconMenuManager(QObject* parent = nullptr);
  ~CIconMenuManager() override;

  // Adds the toolbar's images and gives each named command its image. Fails, changing
  // nothing, without a strip or when its image size differs from the first toolbar's. A
  // command keeps the image of the first toolbar that names it.
  bool LoadToolbar(const MenuToolbar& toolbar);
  // The same from an image strip and a description file: "version width height count"
  // followed by `count` command ids, 0 for a separator, which takes no image. Fails also
  // when a file is missing or malformed.
  bool LoadToolbar(unsigned id, const QString& bitmapFile, const QString& toolbarFile);

  // Manages `menu` and its submenus, or every menu of `bar`.
  void Install(QMenu* menu);
  void Install(QMenuBar* bar);

  int ImageOfCommand(int commandId) const;
  int ImageCount() const { return static_cast<int>(m_images.size()); }
  QImage Image(int index) const;
  QSize BitmapSize() const { return m_sizeBitmap; }
  QSize ButtonSize() const { return m_sizeButton; }
  const std::vector<unsigned>& ToolbarIds() const { return m_toolbarIds; }

  // Gives the items of `menu` their images (convert) or takes them back (restore).
  // Items with an icon of their own are left alone.
  void ConvertMenu(QMenu* menu, bool convert);
  // Forgets every image and toolbar.
  void Destroy();
  // Loads every toolbar again, in the same order.
  bool Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnInitMenuPopup(QMenu* menu);
  void OnMenuClosed(QMenu* menu);
  bool OnMenuChar(QMenu* menu, const QKeyEvent& key);
  void AddImages(const QImage& strip, QSize size);

  int m_bShowImages = 1;
  std::vector<unsigned> m_toolbarIds;
  // What Refresh loads again.
  std::vector<MenuToolbar> m_toolbars;
  std::vector<QImage> m_images;
  std::map<int, int> m_imageOfCommand;
  QList<QPointer<QMenu>> m_convertedMenus;
  QList<QPointer<QMenu>> m_installedMenus;
  QSize m_sizeBitmap{0, 0};
  QSize m_sizeButton{0, 0};
  CIconMenuStyle* m_style;
};

}  // namespace pelmoro
