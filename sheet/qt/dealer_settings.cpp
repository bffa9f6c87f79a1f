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
    {"paymentTerms", &DealerDetails::paymentTerms},
    // No longer shown: a quotation's currency is the price book's. Kept as it is, so that the
    // sheet can say once that it is ignored.
    {"currency", &DealerDetails::currency},
};
struct BankField {
  const char* key;
  std::string BankDetails::*field;
};
constexpr BankField kBankFields[] = {
    {"bankAccountHolder", &BankDetails::accountHolder},
    {"bankName", &BankDetails::bank},
    {"bankAccount", &BankDetails::account},
    {"bankBranch", &BankDetails::branch},
};
constexpr const char* kMailFolderKey = "mailFolder";
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
  for (const BankField& bank : kBankFields) {
    const QVariant value = settings.value(QLatin1String(bank.key));
    if (value.isValid()) dealer.bank.*bank.field = ToStdString(value.toString());
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
  for (const BankField& bank : kBankFields) {
    settings.setValue(QLatin1String(bank.key), ToQString(dealer.bank.*bank.field));
  }
  settings.setValue(QLatin1String(kValidityKey), dealer.validityDays);
  settings.endGroup();
  return SaveSettings(settings);
}

QString LoadMailFolder(QSettings& settings) {
  settings.beginGroup(kGroup);
  const QString folder = settings.value(QLatin1String(kMailFolderKey)).toString();
  settings.endGroup();
  return folder;
}

void SaveMailFolder(QSettings& settings, const QString& folder) {
  settings.beginGroup(kGroup);
  settings.setValue(QLatin1String(kMailFolderKey), folder);
  settings.endGroup();
  settings.sync();
}

}  // namespace corvane
