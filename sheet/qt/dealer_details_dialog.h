// "Dealer details...": who the quotations are from, set once and kept in the settings file.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

#include <string>

#include "quotation/dealer_details.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace corvane {

class DealerDetailsDialog final : public QDialog {
  Q_OBJECT

 public:
  //! Keeps the details; returns why they could not be kept, or nothing.
  using Keep = std::function<std::optional<QString>(const DealerDetails&)>;

  //! With `keep`, OK closes the dialog only once the details are kept; when they cannot be, the
  //! dialog says why in its status line and stays open with what was typed.
  DealerDetailsDialog(const DealerDetails& dealer, const QString& mailFolder, QWidget* parent,
                      Keep keep = {});
  //! The details as the dialog's fields hold them.
  DealerDetails Details() const;
  //! The folder "E-mail..." saves PDFs in; empty for the documents folder.
  QString MailFolder() const;
  //! What the dialog says of the account number: a warning when it is an IBAN whose check digits
  //! do not agree, else nothing. The dealer may keep it all the same.
  QString AccountWarning() const;
  //! The status line: why the details were not kept, or nothing.
  QString Status() const;

  void accept() override;

 private:
  Keep keep_;
  QLineEdit* companyName_;
  QPlainTextEdit* address_;
  QLineEdit* vatNumber_;
  QLineEdit* telephone_;
  QLineEdit* email_;
  QLineEdit* numberPrefix_;
  QSpinBox* validityDays_;
  QPlainTextEdit* terms_;
  QLabel* status_;
  QLineEdit* paymentTerms_;
  QLineEdit* accountHolder_;
  QLineEdit* bank_;
  QLineEdit* account_;
  QLabel* accountWarning_;
  QLineEdit* branch_;
  QLineEdit* mailFolder_;
  std::string currency_;  //!< no longer shown; kept as it was
};

//! Shows the dialog over the parent and, when the dealer accepts it, saves the details in the
//! settings file; a save that fails keeps the dialog open. Returns the details then in force.
DealerDetails EditDealerDetails(QWidget* parent);

}  // namespace corvane
