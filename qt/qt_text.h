// The one crossing between the behaviour's UTF-8 strings and Qt's strings.
#pragma once

#include <QFile>
#include <QString>

#include <string>
#include <string_view>

namespace corvane {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
  return text.toStdString();
}

//! A file name as the system gave it, in the file system's encoding.
inline QString PathToQString(std::string_view path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

//! A file name in the file system's encoding, as the standard library's file functions take it.
inline std::string PathToStdString(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace corvane
