#include "sheet/qt/quote_sheet_window.h"

#include <QApplication>
#include <QCompleter>
#include <QDate>
#include <QDateEdit>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringListModel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <utility>

#include "money/escaped_text.h"
#include "money/program_title.h"
#include "money/vat.h"
#include "qt/announcer.h"
#include "qt/clipboard.h"
#include "qt/fit_to_screen.h"
#include "qt/program_settings.h"
#include "qt/qt_text.h"
#include "qt/save_file.h"
#include "quotation/quote_status.h"
#include "register/qt/quotes_window.h"
#include "sheet/pdf_file_name.h"
#include "sheet/priced_line.h"
#include "sheet/qt/dealer_details_dialog.h"
#include "sheet/qt/dealer_settings.h"
#include "sheet/qt/mail_hand_over.h"
#include "sheet/qt/quote_document.h"
#include "sheet/repricing_text.h"
#include "sheet/sheet_text.h"
#include "window/event_boundary.h"

namespace corvane {
namespace {

// A path as a message shows it: one line, whatever it holds.
QString ShownPath(const QString& path) {
  return ToQString(Escaped(ToStdString(QDir::toNativeSeparators(path))));
}

enum Column : int { kDescription, kQuantity, kUnitPrice, kVatRate, kAmount, kColumns };

constexpr std::int64_t kUnixEpochJulianDay = 2440588;
const QString kApplicationTitle = ToQString(kProgramTitle);
// Set once the dealer has been told that the old "Currency" setting no longer applies.
const QString kCurrencyNoted = QStringLiteral("dealer/currencyIgnoredNoted");

QuoteDate Today() {
  return QuoteDate(std::chrono::days(QDate::currentDate().toJulianDay() - kUnixEpochJulianDay));
}
QDate ToQDate(QuoteDate date) {
  return QDate::fromJulianDay(date.time_since_epoch().count() + kUnixEpochJulianDay);
}
QuoteDate FromQDate(const QDate& date) {
  return QuoteDate(std::chrono::days(date.toJulianDay() - kUnixEpochJulianDay));
}

QTableWidgetItem* ReadOnlyItem(const QString& text, Qt::Alignment alignment) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(alignment | Qt::AlignVCenter);
  return item;
}

QPushButton* AddButton(QHBoxLayout& row, const QString& caption, const char* name) {
  auto* button = new QPushButton(caption);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  row.addWidget(button);
  return button;
}

QLineEdit* Field(const char* name) {
  auto* field = new QLineEdit;
  field->setObjectName(QLatin1String(name));
  return field;
}

// The label names the currency, which depends on the quote shown; it is set with the amount.
QLabel* AddTotal(QFormLayout& form, const char* name, QLabel*& label) {
  auto* value = new QLabel;
  value->setObjectName(QLatin1String(name));
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label = new QLabel;
  label->setBuddy(value);
  form.addRow(label, value);
  return value;
}

bool Confirmed(QWidget* parent, const QString& question, QMessageBox::StandardButton yes) {
  QMessageBox box(QMessageBox::Question, kApplicationTitle, question, yes | QMessageBox::Cancel,
                  parent);
  box.setDefaultButton(QMessageBox::Cancel);
  return box.exec() == yes;
}

}  // namespace

QuoteSheetWindow::QuoteSheetWindow(Separators separators, const PriceBook& book,
                                   SheetController::RegisterSource source, MessageSink& messages,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      separators_(std::move(separators)),
      book_(&book),
      source_(source),
      controller_(std::move(source), [this](const std::string& text) { Say(ToQString(text)); }),
      dealer_(LoadDealerDetails(*ProgramSettings())),
      messages_(messages),
      company_(Field("txtCustomer")),
      contact_(Field("txtContact")),
      address_(new QPlainTextEdit),
      vatNumber_(Field("txtVatNumber")),
      email_(Field("txtEmail")),
      telephone_(Field("txtTelephone")),
      companies_(new QStringListModel(this)),
      completer_(new QCompleter(companies_, this)),
      reference_(Field("txtReference")),
      number_(new QLabel),
      date_(new QLabel),
      validUntil_(new QDateEdit),
      lines_(new QTableWidget(0, kColumns)),
      totalExcluding_(nullptr),
      vatLabel_(nullptr),
      vat_(nullptr),
      totalIncluding_(nullptr),
      totalExcludingLabel_(nullptr),
      totalIncludingLabel_(nullptr),
      status_(new QLabel),
      asNew_(nullptr),
      announcer_(new Announcer(*this)) {
  setObjectName(QStringLiteral("quoteSheet"));
  setWindowTitle(QStringLiteral("Quotation"));
  controller_.SetDealer(dealer_);
  address_->setObjectName(QStringLiteral("txtAddress"));
  address_->setTabChangesFocus(true);
  address_->setFixedHeight(address_->fontMetrics().lineSpacing() * 3 + 2 * address_->frameWidth() +
                           8);
  completer_->setCaseSensitivity(Qt::CaseInsensitive);
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  company_->setCompleter(completer_);
  number_->setObjectName(QStringLiteral("lblNumber"));
  date_->setObjectName(QStringLiteral("lblDate"));
  validUntil_->setObjectName(QStringLiteral("dtpValidUntil"));
  // Named as their labels read, so that a screen reader says what each field is for.
  company_->setAccessibleName(QStringLiteral("Customer"));
  contact_->setAccessibleName(QStringLiteral("Contact"));
  address_->setAccessibleName(QStringLiteral("Address"));
  vatNumber_->setAccessibleName(QStringLiteral("VAT number"));
  email_->setAccessibleName(QStringLiteral("E-mail"));
  telephone_->setAccessibleName(QStringLiteral("Telephone"));
  reference_->setAccessibleName(QStringLiteral("Reference"));
  validUntil_->setAccessibleName(QStringLiteral("Valid until"));
  validUntil_->setCalendarPopup(true);
  validUntil_->setDisplayFormat(QStringLiteral("d MMMM yyyy"));
  // Dates read in English everywhere, as the quotation prints them ("9 January 2027"), whatever the
  // user's language; a date has no decimals, so the number format has nothing to change here.
  validUntil_->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
  lines_->setObjectName(QStringLiteral("tblLines"));
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setAccessibleName(QStringLiteral("Status"));
  status_->setWordWrap(true);

  auto* buyer = new QFormLayout;
  buyer->addRow(QStringLiteral("&Customer:"), company_);
  buyer->addRow(QStringLiteral("C&ontact:"), contact_);
  buyer->addRow(QStringLiteral("&Address:"), address_);
  buyer->addRow(QStringLiteral("VAT num&ber:"), vatNumber_);
  buyer->addRow(QStringLiteral("&E-mail:"), email_);
  buyer->addRow(QStringLiteral("&Telephone:"), telephone_);
  auto* facts = new QFormLayout;
  facts->addRow(QStringLiteral("&Reference:"), reference_);
  facts->addRow(QStringLiteral("Number:"), number_);
  facts->addRow(QStringLiteral("Date:"), date_);
  facts->addRow(QStringLiteral("&Valid until:"), validUntil_);
  auto* heading = new QHBoxLayout;
  heading->addLayout(buyer, 3);
  heading->addLayout(facts, 2);

  lines_->setAccessibleName(QStringLiteral("Quote lines"));
  lines_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lines_->setSelectionMode(QAbstractItemView::SingleSelection);
  lines_->verticalHeader()->setVisible(false);
  lines_->horizontalHeader()->setSectionResizeMode(kDescription, QHeaderView::Stretch);
  for (int column = kQuantity; column < kColumns; ++column) {
    lines_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }

  auto* totals = new QFormLayout;
  totals->setLabelAlignment(Qt::AlignRight);
  totalExcluding_ = AddTotal(*totals, "lblTotalExcl", totalExcludingLabel_);
  vat_ = AddTotal(*totals, "lblVat", vatLabel_);
  totalIncluding_ = AddTotal(*totals, "lblTotalIncl", totalIncludingLabel_);
  auto* totalsRow = new QHBoxLayout;
  totalsRow->addWidget(status_, 1);
  totalsRow->addLayout(totals);

  auto* buttons = new QHBoxLayout;
  QPushButton* clear = AddButton(*buttons, QStringLiteral("C&lear"), "cmdClear");
  QPushButton* dealer = AddButton(*buttons, QStringLiteral("&Dealer details..."), "cmdDealer");
  QPushButton* quotes = AddButton(*buttons, QStringLiteral("&Quotes..."), "cmdQuotes");
  asNew_ = AddButton(*buttons, QStringLiteral("As &new quote"), "cmdAsNew");
  buttons->addStretch();
  QPushButton* copy = AddButton(*buttons, QStringLiteral("Cop&y quote"), "cmdCopyQuote");
  QPushButton* print = AddButton(*buttons, QStringLiteral("&Print..."), "cmdPrint");
  QPushButton* save = AddButton(*buttons, QStringLiteral("&Save as PDF..."), "cmdSavePdf");
  QPushButton* email = AddButton(*buttons, QStringLiteral("E-&mail..."), "cmdEmail");

  // On a small or highly scaled screen the sheet scrolls rather than open beyond the screen's edge.
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  auto* scroll = new QScrollArea;
  scroll->setWidget(content);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);
  layout->addLayout(heading);
  layout->addWidget(lines_, 1);
  layout->addLayout(totalsRow);
  layout->addLayout(buttons);
  FitToScreen(*this, QSize(820, 560));

  connect(company_, &QLineEdit::textEdited, this, [this](const QString& text) {
    OfferCustomers(text);
    BuyerEdited();
  });
  connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
          &QuoteSheetWindow::FillBuyer);
  for (QLineEdit* field : {contact_, vatNumber_, email_, telephone_}) {
    connect(field, &QLineEdit::textEdited, this, &QuoteSheetWindow::BuyerEdited);
  }
  connect(address_, &QPlainTextEdit::textChanged, this, [this] {
    if (ToQString(Sheet().Buyer().address) != address_->toPlainText()) BuyerEdited();
  });
  connect(reference_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Change([&](QuoteSheet& sheet) { sheet.SetReference(ToStdString(text)); });
  });
  connect(validUntil_, &QDateEdit::dateChanged, this, [this](const QDate& date) {
    Change([&](QuoteSheet& sheet) { sheet.SetValidUntil(FromQDate(date)); });
  });
  connect(clear, &QPushButton::clicked, this, &QuoteSheetWindow::ClearLines);
  connect(dealer, &QPushButton::clicked, this, &QuoteSheetWindow::ShowDealerDetails);
  connect(quotes, &QPushButton::clicked, this, &QuoteSheetWindow::ShowQuotes);
  connect(asNew_, &QPushButton::clicked, this, &QuoteSheetWindow::StartNewQuote);
  connect(copy, &QPushButton::clicked, this, &QuoteSheetWindow::CopyQuote);
  connect(print, &QPushButton::clicked, this, &QuoteSheetWindow::Print);
  connect(save, &QPushButton::clicked, this, &QuoteSheetWindow::SaveAsPdf);
  connect(email, &QPushButton::clicked, this, &QuoteSheetWindow::EmailQuote);
  auto* remove =
      new QShortcut(QKeySequence::Delete, lines_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
  connect(remove, &QShortcut::activated, this, &QuoteSheetWindow::RemoveSelectedLine);
  controller_.StartOn(Today(), Today() + std::chrono::days(dealer_.validityDays));
  Refresh();
  NoteOldCurrency();
}

QuoteSheetWindow::~QuoteSheetWindow() = default;

void QuoteSheetWindow::closeEvent(QCloseEvent* event) {
  if (quotes_ != nullptr) quotes_->close();
  QWidget::closeEvent(event);
}

void QuoteSheetWindow::NoteOldCurrency() {
  const std::unique_ptr<QSettings> settings = ProgramSettings();
  if (dealer_.currency.empty() || settings->value(kCurrencyNoted).toBool()) return;
  settings->setValue(kCurrencyNoted, true);
  Say(QStringLiteral("The dealer's currency \"%1\" is no longer used: a quotation is in the "
                     "currency of the price book that priced it.")
          .arg(ToQString(Escaped(dealer_.currency))));
}

void QuoteSheetWindow::Change(const std::function<void(QuoteSheet&)>& change) {
  DeliverEvent(messages_, [&] { controller_.Change(change); });
  Refresh();
}

void QuoteSheetWindow::Add(const PricedItem& item) {
  Change([&](QuoteSheet& sheet) { sheet.Add(*book_, item.request); });
  lines_->selectRow(lines_->rowCount() - 1);
}

bool QuoteSheetWindow::RestoreDraft() {
  if (!controller_.RestoreDraft()) return false;
  // A restored draft is not yet handed on: closing asks again.
  Refresh();
  Say(QStringLiteral("The quote left on the sheet last time is back."));
  return true;
}

void QuoteSheetWindow::DiscardDraft() {
  controller_.DiscardDraft();
}

QString QuoteSheetWindow::Status() const {
  return status_->text();
}

void QuoteSheetWindow::Say(const QString& text) {
  status_->setText(text);
  announcer_->Announce(text);
}

Customer QuoteSheetWindow::BuyerShown() const {
  return Customer{ToStdString(company_->text()),        ToStdString(contact_->text()),
                  ToStdString(address_->toPlainText()), ToStdString(vatNumber_->text()),
                  ToStdString(email_->text()),          ToStdString(telephone_->text())};
}

void QuoteSheetWindow::BuyerEdited() {
  const Customer buyer = BuyerShown();
  if (buyer == Sheet().Buyer()) return;
  Change([&](QuoteSheet& sheet) { sheet.SetCustomer(buyer); });
}

// The register's customers whose company holds the text; a register that cannot be read offers
// none, which the draft's own message already explains.
void QuoteSheetWindow::OfferCustomers(const QString& text) {
  QStringList names;
  try {
    if (!text.trimmed().isEmpty()) {
      for (const Customer& c : source_().Customers(ToStdString(text.trimmed()))) {
        names << ToQString(c.company);
      }
    }
  } catch (const RegisterError&) {
  }
  companies_->setStringList(names);
}

void QuoteSheetWindow::FillBuyer(const QString& company) {
  try {
    for (const Customer& c : source_().Customers(ToStdString(company))) {
      if (ToQString(c.company) != company) continue;
      Change([&](QuoteSheet& sheet) { sheet.SetCustomer(c); });
      return;
    }
  } catch (const RegisterError& error) {
    Say(ToQString(error.what()));
  }
}

std::optional<Quotation> QuoteSheetWindow::Sendable() {
  if (Sheet().Empty()) {
    Say(QStringLiteral("The quote has no lines: add a price with Add to quote first."));
    return std::nullopt;
  }
  if (const std::optional<Quotation>& sent = Sheet().Sent()) {
    const QuoteStatus shown = ShownStatus(*sent, Today());
    if (MayResend(shown)) return *sent;
    Say(QStringLiteral("%1 is %2: it cannot be sent again as it is. \"As new quote\" makes a new "
                       "quote of its lines.")
            .arg(ToQString(NumberWithRevision(*sent)),
                 ToQString(std::string(StatusName(shown))).toLower()));
    return std::nullopt;
  }
  if (Sheet().Buyer().Empty()) {
    std::optional<QString> who;
    if (askCustomer_) {
      who = askCustomer_();
    } else {
      bool ok = false;
      const QString answer = QInputDialog::getItem(
          this, kApplicationTitle, QStringLiteral("The quote has no customer. Who is it for?"),
          {QStringLiteral("Cash customer")}, 0, true, &ok);
      if (ok) who = answer;
    }
    if (!who || who->trimmed().isEmpty()) {
      Say(QStringLiteral("The quote was not handed on: a quote is numbered only with a customer."));
      return std::nullopt;
    }
    Customer buyer = Sheet().Buyer();
    buyer.company = ToStdString(who->trimmed());
    Change([&](QuoteSheet& sheet) { sheet.SetCustomer(buyer); });
  }
  Quotation quotation = Sheet().Document(dealer_);
  quotation.date = Today();
  return quotation;
}

std::optional<Quotation> QuoteSheetWindow::Send(const HandOver& handOver) {
  std::optional<Quotation> quotation = Sendable();
  if (!quotation) return std::nullopt;
  if (Sheet().Sent()) {
    handOver(*quotation);  // numbered and kept already: handed on again as it is
    HandedOn();
    return quotation;
  }
  bool handed = false;
  const HandOver once = [&](const Quotation& numbered) {
    handOver(numbered);
    handed = true;
  };
  try {
    QuoteRegister& reg = source_();
    *quotation = reg.Keep(*quotation, once);
    notKept_.clear();
  } catch (const RegisterError& error) {
    // The quote goes out all the same, without a number, and the sheet says it was not kept.
    notKept_ = ToQString(error.what());
    quotation->number.clear();
    if (!handed) once(*quotation);
    HandedOn();
    return quotation;
  }
  try {
    source_().KeepCustomer(quotation->customer);
  } catch (const RegisterError&) {
    // The customer's details are offered again only once the register can keep them.
  }
  DeliverEvent(messages_,
               [&] { controller_.Change([&](QuoteSheet& sheet) { sheet.Numbered(*quotation); }); });
  if (quotes_ != nullptr) quotes_->Reload();
  HandedOn();
  Refresh();
  return quotation;
}

void QuoteSheetWindow::HandedOn() {
  controller_.Change([](QuoteSheet& sheet) { sheet.MarkHandedOn(); });
}

void QuoteSheetWindow::ShowNumber() {
  const std::optional<Quotation>& sent = Sheet().Sent();
  QString text;
  if (sent) {
    text = QStringLiteral("%1 (%2)").arg(
        ToQString(NumberWithRevision(*sent)),
        ToQString(std::string(StatusName(ShownStatus(*sent, Today())))));
  } else if (!Sheet().Number().empty()) {
    text = QStringLiteral("%1 rev. %2 when it goes out again")
               .arg(ToQString(Sheet().Number()))
               .arg(Sheet().Revision() + 1);
  } else if (!notKept_.isEmpty()) {
    text = QStringLiteral("none: the quote was not kept (%1)").arg(notKept_);
  } else {
    text = QStringLiteral("given when first copied, printed or saved");
  }
  number_->setText(text);
  asNew_->setEnabled(!Sheet().Number().empty());
}

void QuoteSheetWindow::Refresh() {
  const QuoteSheet& sheet = Sheet();
  const Customer& buyer = sheet.Buyer();
  // Set only when it differs, so that the field being typed in keeps its cursor.
  for (auto [field, text] : {std::pair{company_, ToQString(buyer.company)},
                             std::pair{contact_, ToQString(buyer.contact)},
                             std::pair{vatNumber_, ToQString(buyer.vatNumber)},
                             std::pair{email_, ToQString(buyer.email)},
                             std::pair{telephone_, ToQString(buyer.telephone)},
                             std::pair{reference_, ToQString(sheet.Reference())}}) {
    if (field->text() != text) field->setText(text);
  }
  if (address_->toPlainText() != ToQString(buyer.address)) {
    const QSignalBlocker quiet(address_);
    address_->setPlainText(ToQString(buyer.address));
  }
  ShowNumber();
  date_->setText(ToQString(DateText(sheet.Date())));
  {
    const QSignalBlocker quiet(validUntil_);
    validUntil_->setMinimumDate(ToQDate(sheet.Date()));
    validUntil_->setDate(ToQDate(sheet.ValidUntil()));
  }
  const Quotation shown = sheet.Document(dealer_);
  lines_->setHorizontalHeaderLabels({QStringLiteral("Description"), QStringLiteral("Qty"),
                                     ToQString(WithCurrency("Unit price", shown)),
                                     QStringLiteral("VAT"),
                                     ToQString(WithCurrency("Amount", shown))});

  lines_->setRowCount(0);
  const auto& lines = sheet.Lines();
  lines_->setRowCount(static_cast<int>(lines.size()));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int row = static_cast<int>(i);
    const QuoteLine& line = lines[i];
    QString description = ToQString(line.description);
    if (line.keptPrice) description += QStringLiteral(" (price kept: the book in use has none)");
    lines_->setItem(row, kDescription, ReadOnlyItem(description, Qt::AlignLeft));
    lines_->setItem(row, kVatRate,
                    ReadOnlyItem(ToQString(VatPercentText(line.vat) + "%"), Qt::AlignRight));
    auto* quantity = new QSpinBox;
    quantity->setRange(kMinQuantity, kMaxQuantity);
    quantity->setValue(line.quantity);
    quantity->setAccessibleName(QStringLiteral("Quantity"));
    connect(quantity, &QSpinBox::valueChanged, this,
            [this, row](int value) { SetQuantity(row, value); });
    lines_->setCellWidget(row, kQuantity, quantity);
  }
  ShowTotals();
}

// Only the lines' amounts and the sums are rewritten: the quantity box being edited stays.
void QuoteSheetWindow::ShowTotals() {
  const auto& lines = Sheet().Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int row = static_cast<int>(i);
    const QuoteLine& line = lines[i];
    const DocumentRow cells = LineCells(line, separators_);
    QString unit = ToQString(cells[static_cast<std::size_t>(DocumentColumn::UnitPrice)]);
    if (line.earlierUnitPrice) {
      unit += QStringLiteral(" (was %1)")
                  .arg(ToQString(FormatPrice(*line.earlierUnitPrice, separators_)));
    }
    // Under the spin box, so that a screen reader reading the row hears the quantity too.
    lines_->setItem(row, kQuantity, ReadOnlyItem(QString::number(line.quantity), Qt::AlignRight));
    lines_->setItem(row, kUnitPrice, ReadOnlyItem(unit, Qt::AlignRight));
    lines_->setItem(row, kAmount,
                    ReadOnlyItem(ToQString(cells[static_cast<std::size_t>(DocumentColumn::Amount)]),
                                 Qt::AlignRight));
  }
  const Quotation shown = Sheet().Document(dealer_);
  const std::vector<TotalRow> rows = TotalRows(shown, separators_);
  // The first and last rows are the totals; between them one row per VAT rate, or a plain "VAT"
  // while there are no lines.
  const auto labelled = [](QLabel* label, QLabel* value, const QString& name, const QString& text) {
    label->setText(name + QLatin1Char(':'));
    value->setAccessibleName(name);
    value->setText(text);
  };
  labelled(totalExcludingLabel_, totalExcluding_, ToQString(rows.front().label),
           ToQString(FormatPrice(rows.front().amount, separators_)));
  labelled(totalIncludingLabel_, totalIncluding_, ToQString(rows.back().label),
           ToQString(FormatPrice(rows.back().amount, separators_)));
  QStringList names;
  QStringList amounts;
  for (std::size_t i = 1; i + 1 < rows.size(); ++i) {
    names << ToQString(rows[i].label) + QLatin1Char(':');
    amounts << ToQString(FormatPrice(rows[i].amount, separators_));
  }
  if (names.isEmpty()) {
    names << ToQString(WithCurrency("VAT", shown)) + QLatin1Char(':');
    amounts << ToQString(FormatPrice(Money(), separators_));
  }
  vatLabel_->setText(names.join(QLatin1Char('\n')));
  vat_->setText(amounts.join(QLatin1Char('\n')));
  vat_->setAccessibleName(names.join(QStringLiteral("; ")));
  // A changed total is told once, as the eye sees it change; the sheet as it opens is not.
  const QString total = totalIncludingLabel_->text() + QLatin1Char(' ') + totalIncluding_->text();
  if (!totalSaid_.isNull() && total != totalSaid_) announcer_->Announce(total);
  totalSaid_ = total;
}

void QuoteSheetWindow::SetQuantity(int row, int quantity) {
  DeliverEvent(messages_, [&] {
    controller_.Change(
        [&](QuoteSheet& sheet) { sheet.SetQuantity(static_cast<std::size_t>(row), quantity); });
  });
  // A quantity the sheet refused goes back to the one it holds.
  if (auto* box = qobject_cast<QSpinBox*>(lines_->cellWidget(row, kQuantity))) {
    const QSignalBlocker quiet(box);
    box->setValue(Sheet().Lines()[static_cast<std::size_t>(row)].quantity);
  }
  ShowTotals();
  ShowNumber();
}

void QuoteSheetWindow::RemoveSelectedLine() {
  const int row = lines_->currentRow();
  if (row < 0 || lines_->selectionModel()->selectedRows().isEmpty()) return;
  Change([&](QuoteSheet& sheet) { sheet.Remove(static_cast<std::size_t>(row)); });
  if (lines_->rowCount() > 0) lines_->selectRow(std::min(row, lines_->rowCount() - 1));
}

void QuoteSheetWindow::ClearLines() {
  if (Sheet().Empty()) return Say(QStringLiteral("The quote has no lines to clear."));
  const auto count = Sheet().Lines().size();
  const QString question = count == 1
                               ? QStringLiteral("Remove the quote's line?")
                               : QStringLiteral("Remove all %1 lines of the quote?").arg(count);
  if (!Confirmed(this, question, QMessageBox::Yes)) return;
  Change([](QuoteSheet& sheet) { sheet.Clear(); });
  Say(QStringLiteral("The quote's lines were removed."));
}

void QuoteSheetWindow::SetPriceBook(const PriceBook& book) {
  book_ = &book;
  AskToReprice(book);
  Refresh();
}

void QuoteSheetWindow::AskToReprice(const PriceBook& book) {
  const std::size_t count = Sheet().LinesPricedElsewhere(book);
  if (count == 0) return;
  const QString question = ToQString(RepriceQuestion(count, IdentityOf(book)));
  bool reprice = false;
  if (askReprice_) {
    reprice = askReprice_(question);
  } else {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, question, QMessageBox::NoButton,
                    this);
    QPushButton* again = box.addButton(QStringLiteral("&Re-price"), QMessageBox::AcceptRole);
    QPushButton* keep = box.addButton(QStringLiteral("&Keep prices"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    reprice = box.clickedButton() == again;
  }
  if (!reprice) {
    Say(QStringLiteral("The lines keep the prices they were given."));
    return;
  }
  Repricing repricing;
  DeliverEvent(messages_, [&] { repricing = controller_.Reprice(book); });
  Refresh();
  Say(QStringLiteral("%1 of %2 lines now at other prices.")
          .arg(repricing.repriced.size())
          .arg(Sheet().Lines().size()));
  if (const std::string kept = KeptPricesMessage(repricing, Sheet().Lines()); !kept.empty()) {
    messages_.ShowWarning(kept);
  }
}

void QuoteSheetWindow::CopyQuote() {
  const std::optional<Quotation> quotation = Send([this](const Quotation& sent) {
    CopyToClipboard(SheetPlainText(sent, separators_), SheetHtml(sent, separators_));
  });
  if (!quotation) return;
  Say(QStringLiteral("%1 copied.").arg(ToQString(QuotationTitle(*quotation))) +
      (notKept_.isEmpty() ? QString() : QStringLiteral(" It was not kept: %1").arg(notKept_)));
}

void QuoteSheetWindow::Print() {
  if (Sheet().Empty()) {
    Sendable();  // says why nothing is printed
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
  printer.setDocName(QStringLiteral("Quotation"));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  try {
    const std::optional<Quotation> quotation = Send([&](const Quotation& sent) {
      if (!PaintQuotation(sent, separators_, printer)) {
        throw HandOverFailed("The quote could not be printed: the printer refused it.");
      }
    });
    if (quotation) Say(QStringLiteral("%1 printed.").arg(ToQString(QuotationTitle(*quotation))));
  } catch (const HandOverFailed& failure) {
    messages_.ShowError(failure.what());
  }
}

void QuoteSheetWindow::SaveAsPdf() {
  if (Sheet().Empty()) {
    Sendable();  // says why nothing is saved
    return;
  }
  const QString path = chooseFile_ ? chooseFile_() : QString();
  if (!path.isEmpty()) WritePdf(path);
}

bool QuoteSheetWindow::WritePdf(const QString& path) {
  std::optional<Quotation> quotation;
  try {
    quotation = Send([&](const Quotation& sent) {
      if (const std::optional<QString> cause = SaveFile(path, QuotationPdf(sent, separators_))) {
        throw HandOverFailed(ToStdString(QStringLiteral("The quote could not be saved as %1: %2.")
                                             .arg(ShownPath(path), *cause)));
      }
    });
  } catch (const HandOverFailed& failure) {
    messages_.ShowError(failure.what());
    return false;
  }
  if (!quotation) return false;
  Say(QStringLiteral("%1 saved as %2.")
          .arg(ToQString(QuotationTitle(*quotation)), ShownPath(path)));
  return true;
}

void QuoteSheetWindow::EmailQuote() {
  MailHandOver result;
  try {
    Send([&](const Quotation& sent) {
      result = HandOverToMail(QuotationPdf(sent, separators_),
                              MailFolder(LoadMailFolder(*ProgramSettings())),
                              ToQString(ProposedPdfName(sent)), ToQString(MailSubject(sent)),
                              ToQString(sent.customer.email));
      if (!result.handedOver) throw HandOverFailed(ToStdString(result.message));
    });
  } catch (const HandOverFailed&) {
    // Said below: what is missing and where the PDF is; the quote is not sent.
  }
  if (!result.message.isEmpty()) Say(result.message);
}

QString QuoteSheetWindow::ProposedPdfFileName() const {
  return ToQString(ProposedPdfName(Sheet().Document(dealer_)));
}

void QuoteSheetWindow::ShowDealerDetails() {
  const int oldDays = dealer_.validityDays;
  dealer_ = EditDealerDetails(this);
  controller_.SetDealer(dealer_);
  // A quote not yet sent follows a changed validity; a numbered one keeps what it was sent with.
  if (!Sheet().Sent() && dealer_.validityDays != oldDays &&
      Sheet().ValidUntil() == Sheet().Date() + std::chrono::days(oldDays)) {
    Change([&](QuoteSheet& sheet) {
      sheet.SetValidUntil(sheet.Date() + std::chrono::days(dealer_.validityDays));
    });
  }
  Refresh();
}

void QuoteSheetWindow::ShowQuotes() {
  QuoteRegister* kept = nullptr;
  try {
    kept = &source_();
  } catch (const RegisterError& error) {
    Say(QStringLiteral("Quotes are not kept: %1").arg(ToQString(error.what())));
    return;
  }
  if (quotes_ == nullptr) {
    quotes_ = new QuotesWindow(
        *kept, separators_, [this](const std::string& number) { OpenQuote(number); }, this);
  } else {
    quotes_->Reload();
  }
  quotes_->show();
  quotes_->raise();
  quotes_->activateWindow();
}

void QuoteSheetWindow::OpenQuote(const std::string& number) {
  if (Sheet().HasUnsentLines() &&
      !Confirmed(this,
                 QStringLiteral("The quote has lines that were not printed, saved or copied.\n"
                                "Discard them and open %1?")
                     .arg(ToQString(number)),
                 QMessageBox::Discard)) {
    return;
  }
  Quotation found;
  try {
    found = source_().Find(number);
  } catch (const RegisterError& error) {
    messages_.ShowError(error.what());
    return;
  }
  Change([&](QuoteSheet& sheet) { sheet.Open(found); });
  show();
  raise();
  activateWindow();
  Say(QStringLiteral("%1 reopened as it was sent.").arg(ToQString(NumberWithRevision(found))));
}

void QuoteSheetWindow::StartNewQuote() {
  const std::optional<Quotation> from =
      Sheet().Sent() ? Sheet().Sent() : std::optional<Quotation>(Sheet().Document(dealer_));
  Change([&](QuoteSheet& sheet) {
    sheet.OpenAsNew(*from);
    sheet.SetDates(Today(), Today() + std::chrono::days(dealer_.validityDays));
  });
  Say(QStringLiteral("A new quote with the lines of %1; it gets its own number when it goes out.")
          .arg(ToQString(from->number)));
  AskToReprice(*book_);
}

}  // namespace corvane
