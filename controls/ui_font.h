#pragma once
#include <QFont>
#include <QString>
#include <QStringList>

namespace pelmoro {

// The interface font the custom controls share: the menu font's description with a face
// of our choice, in a normal (weight 400) and a bold (weight 700) cut. One instance is made
// on first use and lives until the program ends.
class CUiFont {
 public:
  static constexpr const char* kPrimaryFace = "Tahoma";
  static constexpr const char* kSecondaryFace = "Arial";

  static const CUiFont& Instance();

  const QFont& Normal() const { return m_fontNormal; }
  const QFont& Bold() const { return m_fontBold; }
  // The face names after the check for installed fonts.
  const QString& PrimaryFace() const { return m_strPrimary; }
  const QString& SecondaryFace() const { return m_strSecondary; }

  // `wanted` when a family of that name (compared case-insensitively) is installed,
  // otherwise `fallback`.
  static QString InstalledOr(const QString& wanted, const QStringList& installed, const QString& fallback);

  // Builds both fonts from `model` (the menu font) with the primary face.
  CUiFont(const QFont& model, const QStringList& installedFamilies);

 private:
  QString m_strPrimary;
  QString m_strSecondary;
  QFont m_fontNormal;
  QFont m_fontBold;
};

}  // namespace pelmoro
