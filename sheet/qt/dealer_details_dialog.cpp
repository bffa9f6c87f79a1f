#include "sheet/qt/dealer_details_dialog.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

#include "qt/program_settings.h"
#include "qt/qt_text.h"
#include "quotation/iban.h"
#include "sheet/qt/dealer_settings.h"
#include "sheet/qt/mail_hand_over.h"

namespace corvane {
namespace {

QLineEdit* Line(const std::string& text, const char* name) {
  auto* edit = new QLineEdit(ToQString(text));
  edit->setObjectName(QLatin1String(name));
  return edit;
}

QPlainTextEdit* Lines(const std::string& text, const char* name, int rows) {
  auto* edit = new QPlainTextEdit(ToQString(text));
  edit->setObjectName(QLatin1String(name));
  edit->setTabChangesFocus(true);
  edit->setFixedHeight(edit->fontMetrics().lineSpacing() * rows + 12);
  return edit;
}

}  // namespace

DealerDetailsDialog::DealerDetailsDialog(const DealerDetails& dealer, const QString& mailFolder,
                                         QWidget* parent, Keep keep)
    : QDialog(parent),
      keep_(std::move(keep)),
      companyName_(Line(dealer.companyName, "txtCompanyName")),
      address_(Lines(dealer.address, "txtAddress", 4)),
      vatNumber_(Line(dealer.vatNumber, "txtVatNumber")),
      telephone_(Line(dealer.telephone, "txtTelephone")),
      email_(Line(dealer.email, "txtEmail")),
      numberPrefix_(Line(dealer.numberPrefix, "txtNumberPrefix")),
      validityDays_(new QSpinBox),
      terms_(Lines(dealer.terms, "txtTerms", 4)),
      status_(new QLabel),
      paymentTerms_(Line(dealer.paymentTerms, "txtPaymentTerms")),
      accountHolder_(Line(dealer.bank.accountHolder, "txtAccountHolder")),
      bank_(Line(dealer.bank.bank, "txtBank")),
      account_(Line(dealer.bank.account, "txtAccount")),
      accountWarning_(new QLabel),
      branch_(Line(dealer.bank.branch, "txtBranch")),
      mailFolder_(new QLineEdit(mailFolder)),
      currency_(dealer.currency) {
  setObjectName(QStringLiteral("dealerDetails"));
  setWindowTitle(QStringLiteral("Dealer details"));
  validityDays_->setObjectName(QStringLiteral("spnValidityDays"));
  validityDays_->setRange(1, kMaxValidityDays);
  validityDays_->setValue(dealer.validityDays);
  validityDays_->setSuffix(QStringLiteral(" days"));
  paymentTerms_->setPlaceholderText(QStringLiteral("e.g. 30 days from invoice"));
  accountWarning_->setObjectName(QStringLiteral("lblAccountWarning"));
  accountWarning_->setWordWrap(true);
  accountWarning_->setVisible(false);
  mailFolder_->setObjectName(QStringLiteral("txtMailFolder"));
  mailFolder_->setPlaceholderText(QDir::toNativeSeparators(corvane::MailFolder(QString())));
  const auto checkAccount = [this] {
    const QString warning = AccountWarning();
    accountWarning_->setText(warning);
    accountWarning_->setVisible(!warning.isEmpty());
    account_->setAccessibleDescription(warning);
  };
  connect(account_, &QLineEdit::textChanged, this, checkAccount);
  checkAccount();

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Company name:"), companyName_);
  form->addRow(QStringLiteral("&Address:"), address_);
  form->addRow(QStringLiteral("&VAT registration number:"), vatNumber_);
  form->addRow(QStringLiteral("&Telephone:"), telephone_);
  form->addRow(QStringLiteral("&E-mail:"), email_);
  form->addRow(QStringLiteral("Quote number &prefix:"), numberPrefix_);
  form->addRow(QStringLiteral("Quotes valid &for:"), validityDays_);
  form->addRow(QStringLiteral("Te&rms:"), terms_);
  form->addRow(QStringLiteral("Pa&yment terms:"), paymentTerms_);
  form->addRow(QStringLiteral("Account &holder:"), accountHolder_);
  form->addRow(QStringLiteral("&Bank:"), bank_);
  form->addRow(QStringLiteral("Account number or &IBAN:"), account_);
  form->addRow(QString(), accountWarning_);
  form->addRow(QStringLiteral("Branch co&de or BIC:"), branch_);
  form->addRow(QStringLiteral("PDFs for e-&mail go to:"), mailFolder_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  // Keys of their own: C and A name fields.
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Ca&ncel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setAccessibleName(QStringLiteral("Status"));
  status_->setWordWrap(true);
  status_->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(status_);
  layout->addWidget(buttons);
}

QString DealerDetailsDialog::Status() const {
  return status_->text();
}

void DealerDetailsDialog::accept() {
  if (keep_) {
    if (const std::optional<QString> problem = keep_(Details())) {
      status_->setText(*problem);
      status_->show();
      // Spoken by a screen reader, as the sheet's status line is, without moving the focus.
      QAccessibleEvent alert(status_, QAccessible::Alert);
      QAccessible::updateAccessibility(&alert);
      return;
    }
  }
  QDialog::accept();
}

DealerDetails DealerDetailsDialog::Details() const {
  DealerDetails dealer;
  dealer.companyName = ToStdString(companyName_->text().trimmed());
  dealer.address = ToStdString(address_->toPlainText().trimmed());
  dealer.vatNumber = ToStdString(vatNumber_->text().trimmed());
  dealer.telephone = ToStdString(telephone_->text().trimmed());
  dealer.email = ToStdString(email_->text().trimmed());
  dealer.numberPrefix = ToStdString(numberPrefix_->text().trimmed());
  dealer.validityDays = validityDays_->value();
  dealer.currency = currency_;
  dealer.terms = ToStdString(terms_->toPlainText().trimmed());
  dealer.paymentTerms = ToStdString(paymentTerms_->text().trimmed());
  dealer.bank.accountHolder = ToStdString(accountHolder_->text().trimmed());
  dealer.bank.bank = ToStdString(bank_->text().trimmed());
  dealer.bank.account = ToStdString(account_->text().trimmed());
  dealer.bank.branch = ToStdString(branch_->text().trimmed());
  return dealer;
}

QString DealerDetailsDialog::MailFolder() const {
  return mailFolder_->text().trimmed();
}

QString DealerDetailsDialog::AccountWarning() const {
  if (CheckIban(ToStdString(account_->text().trimmed())) != IbanCheck::Fails) return {};
  return QStringLiteral(
      "This IBAN's check digits do not agree with the rest of it: please check "
      "it. It is kept as typed.");
}

DealerDetails EditDealerDetails(QWidget* parent) {
  const std::unique_ptr<QSettings> settings = ProgramSettings();
  const DealerDetails before = LoadDealerDetails(*settings);
  bool failed = false;
  const DealerDetailsDialog* shown = nullptr;
  DealerDetailsDialog dialog(
      before, LoadMailFolder(*settings), parent,
      [&settings, &failed, &shown](const DealerDetails& dealer) -> std::optional<QString> {
        if (shown != nullptr) SaveMailFolder(*settings, shown->MailFolder());
        const std::optional<QString> cause = SaveDealerDetails(*settings, dealer);
        if (!cause) return std::nullopt;
        failed = true;
        return QStringLiteral("The dealer details were not kept: %1.").arg(*cause);
      });
  shown = &dialog;
  if (dialog.exec() == QDialog::Accepted) return dialog.Details();
  // A save that failed left what was typed in the settings Qt holds in memory, where the next
  // look would find it; they are given back what the file holds.
  if (failed) SaveDealerDetails(*settings, before);
  return before;
}

}  // namespace corvane
