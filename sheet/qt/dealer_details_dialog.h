// "Dealer details...": who the quotations are from, set once and kept in the settings file.
#pragma once

#include <QDialog>

#include "quotation/dealer_details.h"

class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace corvane {

class DealerDetailsDialog final : public QDialog {
  Q_OBJECT

 public:
  DealerDetailsDialog(const DealerDetails& dealer, QWidget* parent);
  //! The details as the dialog's fields hold them.
  DealerDetails Details() const;

 private:
  QLineEdit* companyName_;
  QPlainTextEdit* address_;
  QLineEdit* vatNumber_;
  QLineEdit* telephone_;
  QLineEdit* email_;
  QLineEdit* numberPrefix_;
  QSpinBox* validityDays_;
  QLineEdit* currency_;
  QPlainTextEdit* terms_;
};

//! Shows the dialog over the parent and, when the dealer accepts it, saves the details in the
//! settings file. Returns the details then in force.
DealerDetails EditDealerDetails(QWidget* parent);

}  // namespace corvane
