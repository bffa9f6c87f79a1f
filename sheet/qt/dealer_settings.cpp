#include "sheet/qt/dealer_settings.h"

#include <QSettings>

#include <string>

#include "qt/program_settings.h"
#include "qt/qt_text.h"

namespace corvane {
namespace {

// Each text field, by its key in the settings file.
struct TextField {
  const char* key;
  std::string DealerDetails::*field;
};
constexpr TextField kTextFields[] = {
    {"companyName", &DealerDetails::companyName},
    {"address", &DealerDetails::address},
    {"vatNumber", &DealerDetails::vatNumber},
    {"telephone", &DealerDetails::telephone},
    {"email", &DealerDetails::email},
    {"numberPrefix", &DealerDetails::numberPrefix},
    {"terms", &DealerDetails::terms},
    {"currency", &DealerDetails::currency},
};
constexpr const char* kValidityKey = "validityDays";
const QString kGroup = QStringLiteral("Dealer");

}  // namespace

DealerDetails LoadDealerDetails(QSettings& settings) {
  DealerDetails dealer;
  settings.beginGroup(kGroup);
  for (const TextField& text : kTextFields) {
    const QVariant value = settings.value(QLatin1String(text.key));
    if (value.isValid()) dealer.*text.field = ToStdString(value.toString());
  }
  bool number = false;
  const int days = settings.value(QLatin1String(kValidityKey)).toInt(&number);
  if (number && days >= 1 && days <= kMaxValidityDays) dealer.validityDays = days;
  settings.endGroup();
  return dealer;
}

std::optional<QString> SaveDealerDetails(QSettings& settings, const DealerDetails& dealer) {
  settings.beginGroup(kGroup);
  for (const TextField& text : kTextFields) {
    settings.setValue(QLatin1String(text.key), ToQString(dealer.*text.field));
  }
  settings.setValue(QLatin1String(kValidityKey), dealer.validityDays);
  settings.endGroup();
  return SaveSettings(settings);
}

}  // namespace corvane
