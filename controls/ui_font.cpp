#include "controls/ui_font.h"

#include <QApplication>
#include <QFontDatabase>

namespace pelmoro {

QString CUiFont::InstalledOr(const QString& wanted, const QStringList& installed, const QString& fallback) {
  return installed.contains(wanted, Qt::CaseInsensitive) ? wanted : fallback;
}

CUiFont::CUiFont(const QFont& model, const QStringList& installedFamilies)
    : m_strPrimary(InstalledOr(QString::fromLatin1(kPrimaryFace), installedFamilies, model.family())),
      m_strSecondary(InstalledOr(QString::fromLatin1(kSecondaryFace), installedFamilies, model.family())),
      m_fontNormal(model),
      m_fontBold(model) {
  // Only the primary face is used; the secondary one is kept for callers that ask for it.
  m_fontNormal.setFamilies({m_strPrimary});
  m_fontNormal.setWeight(QFont::Normal);
  m_fontBold.setFamilies({m_strPrimary});
  m_fontBold.setWeight(QFont::Bold);
}

const CUiFont& CUiFont::Instance() {
  static const CUiFont font(QApplication::font("QMenu"), QFontDatabase::families());
  return font;
}

}  // namespace pelmoro
