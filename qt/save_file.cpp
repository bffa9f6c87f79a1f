#include "qt/save_file.h"

#include <QSaveFile>

namespace corvane {

// QSaveFile writes beside the target and renames on commit; it follows a symbolic link to its
// target, so the link stays a link.
std::optional<QString> SaveFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    const QString cause = file.errorString();
    file.cancelWriting();
    return cause;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace corvane
