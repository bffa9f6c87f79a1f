// The one crossing between the behaviour's UTF-8 strings and Qt's strings.
#pragma once

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

}  // namespace corvane
