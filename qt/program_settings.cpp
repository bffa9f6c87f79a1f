#include "qt/program_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "money/escaped_text.h"
#include "qt/qt_text.h"
#include "qt/save_file.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace corvane {
namespace {

// The nearest folder on the way to `path` that exists.
QString NearestExistingFolder(const QString& path) {
  QString folder = QFileInfo(path).absolutePath();
  while (!QFileInfo(folder).isDir()) {
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent == folder) break;
    folder = parent;
  }
  return folder;
}

// Why the settings could not be written, as the system says it.
QString SettingsCause(const QString& fileName) {
  if (const std::optional<QString> cause = FolderNotWritable(fileName)) return *cause;
  const QFileInfo file(fileName);
  const QString folder = file.absolutePath();
  if (!QFileInfo(folder).isDir()) {
    std::error_code error;
    std::filesystem::create_directories(QFileInfo(folder).filesystemFilePath(), error);
    if (error) return QString::fromLocal8Bit(error.message());
  }
  if (file.exists() && !file.isWritable()) {
    QFile existing(fileName);
    if (!existing.open(QIODevice::WriteOnly | QIODevice::Append)) return existing.errorString();
  }
  // Room for the whole file again, as QSettings writes it beside the old one before renaming.
  if (std::optional<QString> cause = ProbeWrite(folder, std::max<qint64>(file.size(), 4096))) {
    return *cause;
  }
  return QStringLiteral("the write failed");
}

}  // namespace

// Named by its path rather than by organisation and application: Qt would give an INI file made
// that way the suffix ".ini", and the window sends Qt's own native settings (its file dialog's
// history) nowhere.
std::unique_ptr<QSettings> ProgramSettings() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::make_unique<QSettings>(
      QDir(folder).filePath(QStringLiteral("Corvane/corvane-crossgrade.conf")),
      QSettings::IniFormat);
}

std::optional<QString> SaveSettings(QSettings& settings) {
  settings.sync();
  if (settings.status() == QSettings::NoError) return std::nullopt;
  return QStringLiteral("the settings file %1 cannot be written: %2")
      .arg(ToQString(Escaped(PathToStdString(QDir::toNativeSeparators(settings.fileName())))),
           SettingsCause(settings.fileName()));
}

std::optional<QString> FolderNotWritable(const QString& file) {
  const QString folder = NearestExistingFolder(file);
#ifdef Q_OS_UNIX
  // access() answers for the file system too: a read-only one is EROFS, for root as well.
  if (::access(QFile::encodeName(folder).constData(), W_OK) != 0) {
    return QString::fromLocal8Bit(std::error_code(errno, std::system_category()).message());
  }
#else
  if (!QFileInfo(folder).isWritable()) {
    return QString::fromLocal8Bit(std::make_error_code(std::errc::permission_denied).message());
  }
#endif
  return std::nullopt;
}

}  // namespace corvane
