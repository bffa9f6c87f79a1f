#include "register/qt/quotes_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

#include "qt/qt_text.h"

namespace corvane {
namespace {

enum Column : int { kNumber, kDate, kCustomer, kTotal, kColumns };

}  // namespace

RegisterEntriesModel::RegisterEntriesModel(Separators separators, QObject* parent)
    : QAbstractTableModel(parent), separators_(std::move(separators)) {}

void RegisterEntriesModel::SetEntries(std::vector<RegisterEntry> entries) {
  beginResetModel();
  entries_ = std::move(entries);
  endResetModel();
}

const RegisterEntry& RegisterEntriesModel::EntryAt(int row) const {
  return entries_[static_cast<std::size_t>(row)];
}

int RegisterEntriesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int RegisterEntriesModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant RegisterEntriesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount({})) return {};
  const RegisterEntry& entry = EntryAt(index.row());
  if (role == Qt::TextAlignmentRole) {
    return index.column() == kTotal ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kNumber:
      return ToQString(entry.number);
    case kDate:
      return ToQString(DateText(entry.date));
    case kCustomer:
      return ToQString(entry.customer);
    case kTotal:
      return ToQString(FormatPrice(entry.totalIncludingVat, separators_));
    default:
      return {};
  }
}

QVariant RegisterEntriesModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kNumber:
      return QStringLiteral("Number");
    case kDate:
      return QStringLiteral("Date");
    case kCustomer:
      return QStringLiteral("Customer");
    case kTotal:
      return QStringLiteral("Total incl. VAT");
    default:
      return {};
  }
}

QuotesWindow::QuotesWindow(QuoteRegister& quotes, Separators separators,
                           std::function<void(const std::string&)> open, QWidget* parent)
    : QWidget(parent, Qt::Window),
      quotes_(quotes),
      open_(std::move(open)),
      model_(new RegisterEntriesModel(std::move(separators), this)),
      search_(new QLineEdit),
      table_(new QTableView),
      status_(new QLabel) {
  setObjectName(QStringLiteral("quotesWindow"));
  setWindowTitle(QStringLiteral("Quotes"));
  search_->setObjectName(QStringLiteral("txtFind"));
  search_->setPlaceholderText(QStringLiteral("customer or number"));
  search_->setClearButtonEnabled(true);
  table_->setObjectName(QStringLiteral("tblQuotes"));
  table_->setAccessibleName(QStringLiteral("Quotes kept"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->setVisible(false);
  table_->horizontalHeader()->setSectionResizeMode(kCustomer, QHeaderView::Stretch);
  status_->setObjectName(QStringLiteral("lblQuotesStatus"));
  auto* openButton = new QPushButton(QStringLiteral("&Open in quote sheet"));
  openButton->setObjectName(QStringLiteral("cmdOpenQuote"));
  openButton->setAutoDefault(false);

  auto* find = new QHBoxLayout;
  auto* findLabel = new QLabel(QStringLiteral("&Find:"));
  findLabel->setBuddy(search_);
  find->addWidget(findLabel);
  find->addWidget(search_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  buttons->addWidget(openButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(find);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  resize(640, 420);

  connect(search_, &QLineEdit::textChanged, this, &QuotesWindow::Reload);
  // Enter in the search field or the list opens the quote selected.
  connect(search_, &QLineEdit::returnPressed, this, &QuotesWindow::OpenCurrent);
  connect(table_, &QTableView::activated, this, &QuotesWindow::OpenCurrent);
  connect(openButton, &QPushButton::clicked, this, &QuotesWindow::OpenCurrent);
  Reload();
}

void QuotesWindow::Reload() {
  try {
    RegisterFilter filter;
    filter.text = ToStdString(search_->text().trimmed());
    model_->SetEntries(quotes_.Entries(filter));
    const int count = model_->rowCount({});
    status_->setText(count == 1 ? QStringLiteral("1 quote kept")
                                : QStringLiteral("%1 quotes kept").arg(count));
    if (model_->rowCount({}) > 0) table_->selectRow(0);
  } catch (const RegisterError& error) {
    model_->SetEntries({});
    status_->setText(ToQString(error.what()));
  }
}

void QuotesWindow::OpenCurrent() {
  const QModelIndex current = table_->currentIndex();
  if (!current.isValid()) return;
  open_(model_->EntryAt(current.row()).number);
}

}  // namespace corvane
