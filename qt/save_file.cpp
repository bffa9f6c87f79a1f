#include "qt/save_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "money/escaped_text.h"
#include "qt/qt_text.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace corvane {
namespace {

QString SystemCause(const std::error_code& error) {
  return QString::fromLocal8Bit(error.message());
}

// Qt names an error it did not take from the system "Unknown error" (or nothing at all): a
// cause that says nothing.
bool Named(const QString& cause) {
  return !cause.isEmpty() && cause != QLatin1String("Unknown error");
}

// Every byte handed to the system is on the disk once this returns nothing: a file system that
// takes a write into its cache and finds no room for it later (a network or copy-on-write one)
// says so here, which Qt's own commit would not tell.
std::optional<QString> SyncToDisk(QFileDevice& file) {
#ifdef Q_OS_UNIX
  if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP) {
    return SystemCause(std::error_code(errno, std::system_category()));
  }
#else
  (void)file;
#endif
  return std::nullopt;
}

// Qt reports a write the system took only in part as a short count, without a cause; the rest
// written again either goes through or fails at once, with the system's reason.
std::optional<QString> WriteWhole(QFileDevice& file, const char* data, qint64 size) {
  while (size > 0) {
    const qint64 written = file.write(data, size);
    if (written <= 0) return file.errorString();
    data += written;
    size -= written;
  }
  return std::nullopt;
}

// A device or a pipe has no earlier contents to keep, and renaming a file over it would replace
// the device itself, which whoever may write its folder (root in /dev) is allowed to do.
std::optional<QString> WriteThrough(const QString& path, const QByteArray& bytes) {
  QFile device(path);
  if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return device.errorString();
  return WriteWhole(device, bytes.constData(), bytes.size());
}

// Why the file at `path` may not be written, when it exists and is not writable: the system's
// answer to opening it for writing, which leaves its contents as they are.
QString NotWritable(const QString& path) {
  QFile existing(path);
  if (!existing.open(QIODevice::WriteOnly | QIODevice::Append)) return existing.errorString();
  return SystemCause(std::make_error_code(std::errc::permission_denied));
}

// QSaveFile writes beside the target and renames on commit; it follows a symbolic link to its
// target, so the link stays a link. Its messages are the system's at the call that failed, as
// long as every write reaches the system at once (unbuffered); the ones it makes up itself are
// replaced with the system's.
std::optional<QString> WriteAndRename(const QString& path, const QByteArray& bytes) {
  const QFileInfo target(path);
  if (target.isDir()) return QStringLiteral("Filename refers to a directory");
  if (target.exists() && !target.isWritable()) return NotWritable(path);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
  std::optional<QString> cause = WriteWhole(file, bytes.constData(), bytes.size());
  if (!cause) cause = SyncToDisk(file);
  if (cause) {
    file.cancelWriting();
    return cause;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace

std::optional<QString> SaveFile(const QString& path, const QByteArray& bytes) {
  const QFileInfo info(path);
  // The type of what the path leads to, through every link; a loop of links is the system's
  // "Too many levels of symbolic links", where QSaveFile would give up following it and replace
  // the link with a plain file.
  std::error_code error;
  const std::filesystem::file_status status =
      std::filesystem::status(info.filesystemFilePath(), error);
  if (error && error != std::errc::no_such_file_or_directory) return SystemCause(error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
      !std::filesystem::is_directory(status)) {
    return WriteThrough(path, bytes);
  }
  std::optional<QString> cause = WriteAndRename(path, bytes);
  if (!cause || Named(*cause)) return cause;
  // Qt knew that the write failed but not why: a write of the same size in the same folder finds
  // the system's reason.
  const QString folder =
      QFileInfo(info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath()).absolutePath();
  if (std::optional<QString> probed = ProbeWrite(folder, bytes.size())) return probed;
  return QStringLiteral("the file could not be written");
}

std::optional<QString> ProbeWrite(const QString& folder, qint64 size) {
  std::error_code error;
  if (!std::filesystem::is_directory(QFileInfo(folder).filesystemFilePath(), error)) {
    return SystemCause(error ? error : std::make_error_code(std::errc::not_a_directory));
  }
  // Never committed: the temporary file beside the probe's name is all it makes, and it is removed.
  QSaveFile probe(QDir(folder).filePath(QStringLiteral(".corvane-write-probe")));
  if (!probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return probe.errorString();
  const QByteArray block(64 * 1024, '\0');
  std::optional<QString> cause;
  for (qint64 left = size; left > 0 && !cause; left -= block.size()) {
    const qint64 part = std::min<qint64>(left, block.size());
    cause = WriteWhole(probe, block.constData(), part);
  }
  if (!cause) cause = SyncToDisk(probe);
  probe.cancelWriting();
  return cause;
}

QString CannotWrite(const QString& what, const QString& path, const QString& cause) {
  return QStringLiteral("cannot write %1 to %2: %3")
      .arg(what, ToQString(Escaped(PathToStdString(path))), cause);
}

}  // namespace corvane
