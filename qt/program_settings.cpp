#include "qt/program_settings.h"

#include <QDir>
#include <QStandardPaths>

namespace corvane {

// Named by its path rather than by organisation and application: Qt would give an INI file made
// that way the suffix ".ini", and the window sends Qt's own native settings (its file dialog's
// history) nowhere.
std::unique_ptr<QSettings> ProgramSettings() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::make_unique<QSettings>(
      QDir(folder).filePath(QStringLiteral("Corvane/corvane-crossgrade.conf")),
      QSettings::IniFormat);
}

}  // namespace corvane
