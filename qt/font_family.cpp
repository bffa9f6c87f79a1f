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

}  // namespace corvane
