#include "qt/locale_separators.h"

#include <QLocale>

namespace corvane {

Separators SeparatorsFromLocale() {
  const QLocale locale = QLocale::system();
  return Separators{locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

}  // namespace corvane
