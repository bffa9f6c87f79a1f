#include "app/register_location.h"

#include <QSettings>
#include <QStandardPaths>

#include "qt/program_settings.h"
#include "qt/qt_text.h"
#include "register/qt/open_register.h"

namespace corvane {

QString RegisterLocation(const std::string& commandLineLocation) {
  if (!commandLineLocation.empty()) return PathToQString(commandLineLocation);
  const QString set = ProgramSettings()->value(QStringLiteral("register")).toString();
  if (!set.isEmpty()) return set;
  // Built from the names here rather than the application's, which message boxes show.
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/Corvane/corvane-crossgrade/quotes.sqlite");
}

QuoteRegister& RegisterOpener::operator()() {
  if (!opened_) opened_ = OpenRegister(RegisterLocation(commandLineLocation_));
  return *opened_;
}

}  // namespace corvane
