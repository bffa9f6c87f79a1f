#include "qt/save_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace corvane {
namespace {

// A device or a pipe has no earlier contents to keep, and renaming a file over it would replace
// the device itself, which whoever may write its folder (root in /dev) is allowed to do.
std::optional<QString> WriteThrough(const QString& path, const QByteArray& bytes) {
  QFile device(path);
  if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return device.errorString();
  if (device.write(bytes) != bytes.size()) return device.errorString();
  return std::nullopt;
}

}  // namespace

// QSaveFile writes beside the target and renames on commit; it follows a symbolic link to its
// target, so the link stays a link.
std::optional<QString> SaveFile(const QString& path, const QByteArray& bytes) {
  const QFileInfo target(path);
  if (target.exists() && !target.isFile() && !target.isDir()) return WriteThrough(path, bytes);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  // Up to 16 KiB wait in the file's buffer; a commit whose flush fails there (a full disk) was
  // seen to rename the short file over the target and report success, so the flush is checked
  // before the commit.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    const QString cause = file.errorString();
    file.cancelWriting();
    return cause;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace corvane
