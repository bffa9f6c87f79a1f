// "Quotes...": the quotations kept in the register, newest first, found as one types and
// filtered by status and dates, each to be reopened, answered (Accepted or Declined, with the
// day), followed through its revisions and exported as listed; and the register's customers.
// It asks the register every second whether any desk has changed it, and lists it anew then.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "money/format_price.h"
#include "register/quote_register.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;
class QTimer;

namespace corvane {

//! The entries the register found, as a table: number, date, status, customer, reference, total.
class RegisterEntriesModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit RegisterEntriesModel(Separators separators, QObject* parent);
  //! The entries, with their status as shown on `today` (a Sent one past its date: Expired).
  void SetEntries(std::vector<RegisterEntry> entries, QuoteDate today);
  const RegisterEntry& EntryAt(int row) const;

  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  Separators separators_;
  std::vector<RegisterEntry> entries_;
  QuoteDate today_{};
};

//! The customers kept, as a table: company, contact, e-mail, telephone, VAT number.
class CustomersModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;
  void SetCustomers(std::vector<Customer> customers);

  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<Customer> customers_;
};

class Announcer;

class QuotesWindow final : public QWidget {
  Q_OBJECT

 public:
  //! `open` is called with the number of the quote the dealer chose to reopen.
  QuotesWindow(QuoteRegister& quotes, Separators separators,
               std::function<void(const std::string&)> open, QWidget* parent);
  //! Lists the register anew under the filters; a register that cannot be read says so in the
  //! window.
  void Reload();
  //! The filter the list shows now.
  RegisterFilter Filter() const;
  //! Writes every revision of the quotes listed to the file, by its extension (.json, .csv,
  //! .xlsx); says in the window what was written or why not.
  void ExportListed(const QString& path);
  //! Sets the status of the quote selected (its newest revision) on the day chosen.
  void SetSelectedStatus(QuoteStatus status);

 private:
  void OpenCurrent();
  void ShowHistory();
  void ReloadCustomers();
  void Poll();
  void Say(const QString& text);

  QuoteRegister& quotes_;
  Separators separators_;
  std::function<void(const std::string&)> open_;
  RegisterEntriesModel* model_;
  CustomersModel* customers_;
  QLineEdit* search_;
  QComboBox* status_;
  QDateEdit* from_;
  QDateEdit* to_;
  QTableView* table_;
  QListWidget* history_;
  QDateEdit* answered_;
  QPushButton* accepted_;
  QPushButton* declined_;
  QLineEdit* customerSearch_;
  QTableView* customerTable_;
  QLabel* count_;
  QLabel* said_;
  QTimer* poll_;
  Announcer* announcer_;
  std::int64_t seenChanges_ = -1;
};

}  // namespace corvane
