#include "register/qt/quotes_window.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <array>
#include <utility>

#include "qt/announcer.h"
#include "qt/qt_text.h"
#include "quotation/quote_status.h"
#include "register/qt/quotes_file.h"

namespace corvane {
namespace {

enum Column : int { kNumber, kDate, kStatus, kCustomer, kReference, kTotal, kColumns };
enum CustomerColumn : int { kCompany, kContact, kEmail, kTelephone, kVatNumber, kCustomerColumns };

// The filter's status choices, in the order the list offers them; "All" filters none.
constexpr std::array<std::pair<const char*, int>, 5> kStatusChoices = {{
    {"All", -1},
    {"Sent", static_cast<int>(QuoteStatus::Sent)},
    {"Accepted", static_cast<int>(QuoteStatus::Accepted)},
    {"Declined", static_cast<int>(QuoteStatus::Declined)},
    {"Expired", static_cast<int>(QuoteStatus::Expired)},
}};

// How often the window asks the register whether another desk changed it.
constexpr int kPollMilliseconds = 1000;

// A date edit shows this earliest day as empty: no bound.
const QDate kNoDate(2000, 1, 1);

QuoteDate ToQuoteDate(const QDate& date) {
  return QuoteDate{std::chrono::year_month_day{
      std::chrono::year(date.year()), std::chrono::month(static_cast<unsigned>(date.month())),
      std::chrono::day(static_cast<unsigned>(date.day()))}};
}

QuoteDate Today() {
  return ToQuoteDate(QDate::currentDate());
}

QString NumberText(const RegisterEntry& entry) {
  Quotation shown;
  shown.number = entry.number;
  shown.revision = entry.revision;
  return ToQString(NumberWithRevision(shown));
}

QuoteStatus Shown(const RegisterEntry& entry, QuoteDate today) {
  Quotation shown;
  shown.status = entry.status;
  shown.validUntil = entry.validUntil;
  return ShownStatus(shown, today);
}

QDateEdit* DateBound(const QString& name, const QString& accessible) {
  auto* edit = new QDateEdit;
  edit->setObjectName(name);
  edit->setAccessibleName(accessible);
  edit->setCalendarPopup(true);
  edit->setMinimumDate(kNoDate);
  edit->setSpecialValueText(QStringLiteral("any"));
  edit->setDate(kNoDate);
  edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  return edit;
}

}  // namespace

RegisterEntriesModel::RegisterEntriesModel(Separators separators, QObject* parent)
    : QAbstractTableModel(parent), separators_(std::move(separators)) {}

void RegisterEntriesModel::SetEntries(std::vector<RegisterEntry> entries, QuoteDate today) {
  beginResetModel();
  entries_ = std::move(entries);
  today_ = today;
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
      return NumberText(entry);
    case kDate:
      return ToQString(DateText(entry.date));
    case kStatus: {
      const QuoteStatus shown = Shown(entry, today_);
      QString text = ToQString(std::string(StatusName(shown)));
      if (entry.statusDate && (shown == QuoteStatus::Accepted || shown == QuoteStatus::Declined)) {
        text += QStringLiteral(" ") + ToQString(DateText(*entry.statusDate));
      }
      return text;
    }
    case kCustomer:
      return ToQString(entry.customer);
    case kReference:
      return ToQString(entry.reference);
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
    case kStatus:
      return QStringLiteral("Status");
    case kCustomer:
      return QStringLiteral("Customer");
    case kReference:
      return QStringLiteral("Reference");
    case kTotal:
      return QStringLiteral("Total incl. VAT");
    default:
      return {};
  }
}

void CustomersModel::SetCustomers(std::vector<Customer> customers) {
  beginResetModel();
  customers_ = std::move(customers);
  endResetModel();
}

int CustomersModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(customers_.size());
}

int CustomersModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kCustomerColumns;
}

QVariant CustomersModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount({}) || role != Qt::DisplayRole) return {};
  const Customer& c = customers_[static_cast<std::size_t>(index.row())];
  switch (index.column()) {
    case kCompany:
      return ToQString(c.company);
    case kContact:
      return ToQString(c.contact);
    case kEmail:
      return ToQString(c.email);
    case kTelephone:
      return ToQString(c.telephone);
    case kVatNumber:
      return ToQString(c.vatNumber);
    default:
      return {};
  }
}

QVariant CustomersModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kCompany:
      return QStringLiteral("Company");
    case kContact:
      return QStringLiteral("Contact");
    case kEmail:
      return QStringLiteral("E-mail");
    case kTelephone:
      return QStringLiteral("Telephone");
    case kVatNumber:
      return QStringLiteral("VAT number");
    default:
      return {};
  }
}

QuotesWindow::QuotesWindow(QuoteRegister& quotes, Separators separators,
                           std::function<void(const std::string&)> open, QWidget* parent)
    : QWidget(parent, Qt::Window),
      quotes_(quotes),
      separators_(separators),
      open_(std::move(open)),
      model_(new RegisterEntriesModel(std::move(separators), this)),
      customers_(new CustomersModel(this)),
      search_(new QLineEdit),
      status_(new QComboBox),
      from_(DateBound(QStringLiteral("dtFrom"), QStringLiteral("Quotes from"))),
      to_(DateBound(QStringLiteral("dtTo"), QStringLiteral("Quotes to"))),
      table_(new QTableView),
      history_(new QListWidget),
      answered_(new QDateEdit(QDate::currentDate())),
      accepted_(new QPushButton(QStringLiteral("&Accepted"))),
      declined_(new QPushButton(QStringLiteral("&Declined"))),
      customerSearch_(new QLineEdit),
      customerTable_(new QTableView),
      count_(new QLabel),
      said_(new QLabel),
      poll_(new QTimer(this)),
      announcer_(new Announcer(*this)) {
  setObjectName(QStringLiteral("quotesWindow"));
  setWindowTitle(QStringLiteral("Quotes"));
  search_->setObjectName(QStringLiteral("txtFind"));
  search_->setAccessibleName(QStringLiteral("Find"));
  search_->setPlaceholderText(QStringLiteral("number, customer, reference, package or amount"));
  search_->setClearButtonEnabled(true);
  status_->setObjectName(QStringLiteral("cboStatus"));
  status_->setAccessibleName(QStringLiteral("Status"));
  for (const auto& [name, value] : kStatusChoices) {
    status_->addItem(QString::fromLatin1(name), value);
  }
  table_->setObjectName(QStringLiteral("tblQuotes"));
  table_->setAccessibleName(QStringLiteral("Quotes kept"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->setVisible(false);
  table_->horizontalHeader()->setSectionResizeMode(kCustomer, QHeaderView::Stretch);
  history_->setObjectName(QStringLiteral("lstHistory"));
  history_->setAccessibleName(QStringLiteral("Revisions"));
  answered_->setObjectName(QStringLiteral("dtAnswered"));
  answered_->setAccessibleName(QStringLiteral("Answered on"));
  answered_->setCalendarPopup(true);
  answered_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  accepted_->setObjectName(QStringLiteral("cmdAccepted"));
  declined_->setObjectName(QStringLiteral("cmdDeclined"));
  count_->setObjectName(QStringLiteral("lblQuotesStatus"));
  said_->setObjectName(QStringLiteral("lblQuotesMessage"));
  said_->setWordWrap(true);
  auto* openButton = new QPushButton(QStringLiteral("&Open in quote sheet"));
  openButton->setObjectName(QStringLiteral("cmdOpenQuote"));
  auto* exportButton = new QPushButton(QStringLiteral("E&xport..."));
  exportButton->setObjectName(QStringLiteral("cmdExportQuotes"));
  for (QPushButton* button : {openButton, exportButton, accepted_, declined_}) {
    button->setAutoDefault(false);
  }

  auto* filters = new QHBoxLayout;
  const auto labelled = [&](const QString& text, QWidget* field, int stretch = 0) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    filters->addWidget(label);
    filters->addWidget(field, stretch);
  };
  labelled(QStringLiteral("&Find:"), search_, 1);
  labelled(QStringLiteral("&Status:"), status_);
  labelled(QStringLiteral("Fro&m:"), from_);
  labelled(QStringLiteral("&To:"), to_);

  auto* side = new QWidget;
  auto* sideLayout = new QVBoxLayout(side);
  sideLayout->setContentsMargins(0, 0, 0, 0);
  auto* historyLabel = new QLabel(QStringLiteral("&Revisions:"));
  historyLabel->setBuddy(history_);
  sideLayout->addWidget(historyLabel);
  sideLayout->addWidget(history_, 1);
  auto* answeredLabel = new QLabel(QStringLiteral("Answered o&n:"));
  answeredLabel->setBuddy(answered_);
  sideLayout->addWidget(answeredLabel);
  sideLayout->addWidget(answered_);
  auto* answers = new QHBoxLayout;
  answers->addWidget(accepted_);
  answers->addWidget(declined_);
  sideLayout->addLayout(answers);

  auto* split = new QSplitter;
  split->addWidget(table_);
  split->addWidget(side);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 1);

  auto* quotesPage = new QWidget;
  auto* quotesLayout = new QVBoxLayout(quotesPage);
  quotesLayout->addLayout(filters);
  quotesLayout->addWidget(split, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(count_, 1);
  buttons->addWidget(exportButton);
  buttons->addWidget(openButton);
  quotesLayout->addLayout(buttons);

  customerSearch_->setObjectName(QStringLiteral("txtFindCustomer"));
  customerSearch_->setClearButtonEnabled(true);
  customerTable_->setObjectName(QStringLiteral("tblCustomers"));
  customerTable_->setAccessibleName(QStringLiteral("Customers"));
  customerTable_->setModel(customers_);
  customerTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
  customerTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  customerTable_->verticalHeader()->setVisible(false);
  customerTable_->horizontalHeader()->setSectionResizeMode(kCompany, QHeaderView::Stretch);
  auto* customersPage = new QWidget;
  auto* customersLayout = new QVBoxLayout(customersPage);
  auto* findCustomer = new QHBoxLayout;
  auto* findCustomerLabel = new QLabel(QStringLiteral("F&ind:"));
  findCustomerLabel->setBuddy(customerSearch_);
  findCustomer->addWidget(findCustomerLabel);
  findCustomer->addWidget(customerSearch_, 1);
  customersLayout->addLayout(findCustomer);
  customersLayout->addWidget(customerTable_, 1);

  auto* tabs = new QTabWidget;
  tabs->setObjectName(QStringLiteral("tabQuotes"));
  tabs->addTab(quotesPage, QStringLiteral("&Quotes"));
  tabs->addTab(customersPage, QStringLiteral("&Customers"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs, 1);
  layout->addWidget(said_);
  resize(900, 480);

  connect(search_, &QLineEdit::textChanged, this, &QuotesWindow::Reload);
  connect(status_, &QComboBox::currentIndexChanged, this, &QuotesWindow::Reload);
  connect(from_, &QDateEdit::dateChanged, this, &QuotesWindow::Reload);
  connect(to_, &QDateEdit::dateChanged, this, &QuotesWindow::Reload);
  // Enter in the search field or the list opens the quote selected.
  connect(search_, &QLineEdit::returnPressed, this, &QuotesWindow::OpenCurrent);
  connect(table_, &QTableView::activated, this, &QuotesWindow::OpenCurrent);
  connect(openButton, &QPushButton::clicked, this, &QuotesWindow::OpenCurrent);
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &QuotesWindow::ShowHistory);
  connect(accepted_, &QPushButton::clicked, this,
          [this] { SetSelectedStatus(QuoteStatus::Accepted); });
  connect(declined_, &QPushButton::clicked, this,
          [this] { SetSelectedStatus(QuoteStatus::Declined); });
  connect(exportButton, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export the quotes listed"), QStringLiteral("quotes.xlsx"),
        QStringLiteral("Workbook (*.xlsx);;CSV (*.csv);;JSON (*.json)"));
    if (!path.isEmpty()) ExportListed(path);
  });
  connect(customerSearch_, &QLineEdit::textChanged, this, &QuotesWindow::ReloadCustomers);
  connect(poll_, &QTimer::timeout, this, &QuotesWindow::Poll);
  poll_->start(kPollMilliseconds);
  Reload();
  ReloadCustomers();
}

RegisterFilter QuotesWindow::Filter() const {
  RegisterFilter filter;
  filter.text = ToStdString(search_->text().trimmed());
  const int status = status_->currentData().toInt();
  if (status >= 0) filter.status = static_cast<QuoteStatus>(status);
  if (from_->date() != kNoDate) filter.from = ToQuoteDate(from_->date());
  if (to_->date() != kNoDate) filter.to = ToQuoteDate(to_->date());
  filter.today = Today();
  return filter;
}

void QuotesWindow::Reload() {
  const QModelIndex current = table_->currentIndex();
  const std::string selected =
      current.isValid() ? model_->EntryAt(current.row()).number : std::string();
  try {
    seenChanges_ = quotes_.ChangeCount();
    const RegisterFilter filter = Filter();
    model_->SetEntries(quotes_.Entries(filter), filter.today);
    const int count = model_->rowCount({});
    const QString counted =
        count == 1 ? QStringLiteral("1 quote") : QStringLiteral("%1 quotes").arg(count);
    // A count a screen reader has not heard yet is told, politely, as the eye sees it change.
    if (counted != count_->text()) announcer_->Announce(counted);
    count_->setText(counted);
    int row = 0;
    for (int r = 0; r < count; ++r) {
      if (model_->EntryAt(r).number == selected) row = r;
    }
    if (count > 0) table_->selectRow(row);
    ShowHistory();
  } catch (const RegisterError& error) {
    model_->SetEntries({}, Today());
    count_->setText(QStringLiteral("0 quotes"));
    Say(ToQString(error.what()));
  }
}

void QuotesWindow::ReloadCustomers() {
  try {
    customers_->SetCustomers(quotes_.Customers(ToStdString(customerSearch_->text().trimmed())));
  } catch (const RegisterError& error) {
    customers_->SetCustomers({});
    Say(ToQString(error.what()));
  }
}

void QuotesWindow::Poll() {
  if (!isVisible()) return;
  try {
    if (quotes_.ChangeCount() != seenChanges_) {
      Reload();
      ReloadCustomers();
    }
  } catch (const RegisterError& error) {
    Say(ToQString(error.what()));
  }
}

void QuotesWindow::ShowHistory() {
  history_->clear();
  const QModelIndex current = table_->currentIndex();
  const bool any = current.isValid();
  accepted_->setEnabled(any && !quotes_.ReadOnly());
  declined_->setEnabled(any && !quotes_.ReadOnly());
  if (!any) return;
  try {
    const QuoteDate today = Today();
    for (const RegisterEntry& entry : quotes_.History(model_->EntryAt(current.row()).number)) {
      history_->addItem(QStringLiteral("%1, %2, %3, %4")
                            .arg(NumberText(entry), ToQString(DateText(entry.date)),
                                 ToQString(std::string(StatusName(Shown(entry, today)))),
                                 ToQString(FormatPrice(entry.totalIncludingVat, separators_))));
    }
  } catch (const RegisterError& error) {
    Say(ToQString(error.what()));
  }
}

void QuotesWindow::SetSelectedStatus(QuoteStatus status) {
  const QModelIndex current = table_->currentIndex();
  if (!current.isValid()) return;
  const RegisterEntry entry = model_->EntryAt(current.row());
  if (!MaySetStatus(Shown(entry, Today()), status)) {
    Say(QStringLiteral("%1 is %2; it cannot be marked %3.")
            .arg(NumberText(entry), ToQString(std::string(StatusName(Shown(entry, Today())))),
                 ToQString(std::string(StatusName(status)))));
    return;
  }
  try {
    quotes_.SetStatus(entry.number, entry.revision, status, ToQuoteDate(answered_->date()));
    Say(QStringLiteral("%1 marked %2 on %3.")
            .arg(NumberText(entry), ToQString(std::string(StatusName(status))),
                 ToQString(DateText(ToQuoteDate(answered_->date())))));
    Reload();
  } catch (const RegisterError& error) {
    Say(ToQString(error.what()));
  }
}

void QuotesWindow::ExportListed(const QString& path) {
  try {
    const std::vector<Quotation> listed = quotes_.Export(Filter());
    WriteQuotesFile(path, listed, Today());
    Say(QStringLiteral("%1 written: %2 quotes and revisions.")
            .arg(QDir::toNativeSeparators(path))
            .arg(listed.size()));
  } catch (const std::exception& error) {
    Say(ToQString(error.what()));
  }
}

void QuotesWindow::OpenCurrent() {
  const QModelIndex current = table_->currentIndex();
  if (!current.isValid()) return;
  open_(model_->EntryAt(current.row()).number);
}

void QuotesWindow::Say(const QString& text) {
  said_->setText(text);
  announcer_->Announce(text);
}

}  // namespace corvane
