#include "controls/icon_menu_install.h"

#include <QApplication>
#include <QMessageBox>

#include "controls/icon_menu.h"

namespace pelmoro {

bool InstallIconMenus(QWidget* owner, QMenuBar* bar, CIconMenuManager& manager, const MenuToolbar& toolbar) {
  if (!manager.LoadToolbar(toolbar)) {
    QMessageBox::warning(owner, QApplication::applicationName(),
                         QString::fromLatin1(CIconMenuManager::kLoadFailedMessage));
    return false;
  }
  manager.Install(bar);
  return true;
}

}  // namespace pelmoro
