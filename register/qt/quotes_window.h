// "Quotes...": the quotations kept in the register, newest first, found by customer or number
// as one types, each to be reopened.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "money/format_price.h"
#include "register/quote_register.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace corvane {

//! The entries that match the search text, as a table: number, date, customer, total.
class RegisterEntriesModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit RegisterEntriesModel(Separators separators, QObject* parent);
  void SetEntries(std::vector<RegisterEntry> entries);
  const RegisterEntry& EntryAt(int row) const;

  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  Separators separators_;
  std::vector<RegisterEntry> entries_;
};

class QuotesWindow final : public QWidget {
  Q_OBJECT

 public:
  //! `open` is called with the number of the quote the dealer chose to reopen.
  QuotesWindow(QuoteRegister& quotes, Separators separators,
               std::function<void(const std::string&)> open, QWidget* parent);
  //! Lists the register anew; a register that cannot be read says so in the window.
  void Reload();

 private:
  void OpenCurrent();

  QuoteRegister& quotes_;
  std::function<void(const std::string&)> open_;
  RegisterEntriesModel* model_;
  QLineEdit* search_;
  QTableView* table_;
  QLabel* status_;
};

}  // namespace corvane
