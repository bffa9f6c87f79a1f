#include "qt/font_family.h"

#include <QFontDatabase>

namespace corvane {

QStringList ArialOrLookAlikes() {
  return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
}

QString InstalledFamily(const QStringList& wishes, const QStringList& installed) {
  for (const QString& family : wishes) {
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return {};
}

QString InstalledFamily(const QStringList& wishes) {
  return InstalledFamily(wishes, QFontDatabase::families());
}

QFont UnhintedFont(const QString& family, bool bold, bool italic) {
  QFont font;
  if (!family.isEmpty()) font.setFamilies({family});
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setItalic(italic);
  font.setUnderline(false);
  font.setStrikeOut(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QFont DocumentFont(const QString& family, double points, bool bold, bool italic) {
  QFont font = UnhintedFont(family, bold, italic);
  font.setPointSizeF(points);
  return font;
}

}  // namespace corvane
