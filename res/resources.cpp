#include "res/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the registration function in the scope it is used in, so it
// must run outside the program's namespace.
static void RegisterPelmoroResources() { Q_INIT_RESOURCE(pelmoro); }

namespace pelmoro {

namespace {

constexpr int kIconSizes[] = {16, 32, 48};

}  // namespace

void InitResources() {
  static const bool registered = [] {
    RegisterPelmoroResources();
    return true;
  }();
  (void)registered;
}

QPixmap ApplicationIconPixmap(int size) {
  InitResources();
  return QPixmap(QStringLiteral(":/pelmoro/icons/face_%1.png").arg(size));
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : kIconSizes) icon.addPixmap(ApplicationIconPixmap(size));
  return icon;
}

QPixmap CheckMarkImage() {
  InitResources();
  return QPixmap(QStringLiteral(":/pelmoro/bitmaps/137.png"));
}

QImage MenuImageStrip() {
  InitResources();
  return QImage(QStringLiteral(":/pelmoro/toolbar/128.png"));
}

}  // namespace pelmoro
