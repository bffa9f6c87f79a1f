// For tests of writes that fail for want of space: the small file system on_small_disk.sh makes.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace corvane::testing {

//! The folder of the small file system, or an empty text when the test runs without one.
inline QString SmallDisk() {
  return QString::fromLocal8Bit(qgetenv("CORVANE_SMALL_DISK"));
}

//! Fills the file system of the folder up to its last byte.
inline void FillUp(const QString& folder) {
  QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
  if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
  const QByteArray block(512, 'x');
  while (filler.write(block) == block.size()) {
  }
  const QByteArray byte(1, 'x');
  while (filler.write(byte) == 1) {
  }
}

//! The same earlier file each time, to write over.
inline QByteArray EarlierFile() {
  return QByteArray(20000, 'e');
}

}  // namespace corvane::testing
