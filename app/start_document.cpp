#include "app/start_document.h"

namespace pelmoro {

StartDocument ChooseStartDocument(QStringList arguments) {
  const bool endOfOptions = !arguments.isEmpty() && arguments.front() == QStringLiteral("--");
  if (endOfOptions) arguments.pop_front();
  if (arguments.isEmpty()) return {};
  const QString& name = arguments.front();
  const bool option = !endOfOptions && name.startsWith(QLatin1Char('-'));
  if (arguments.size() > 1 || option || name.isEmpty()) return {QString(), true};
  return {name, false};
}

}  // namespace pelmoro
