#include "sheet/qt/quote_sheet_window.h"

#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <utility>

#include "money/escaped_text.h"
#include "money/program_title.h"
#include "qt/clipboard.h"
#include "qt/fit_to_screen.h"
#include "qt/program_settings.h"
#include "qt/qt_text.h"
#include "qt/save_file.h"
#include "register/qt/quotes_window.h"
#include "register/qt/sql_quote_register.h"
#include "sheet/pdf_file_name.h"
#include "sheet/qt/dealer_details_dialog.h"
#include "sheet/qt/dealer_settings.h"
#include "sheet/qt/mail_hand_over.h"
#include "sheet/qt/quote_document.h"
#include "sheet/sheet_text.h"
#include "window/event_boundary.h"

namespace corvane {
namespace {

// A path as a message shows it: one line, whatever it holds.
QString ShownPath(const QString& path) {
  return ToQString(Escaped(ToStdString(QDir::toNativeSeparators(path))));
}

enum Column : int { kDescription, kQuantity, kUnitPrice, kExcludingVat, kIncludingVat, kColumns };

constexpr std::int64_t kUnixEpochJulianDay = 2440588;
const QString kApplicationTitle = ToQString(kProgramTitle);

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

// The label names the currency, which depends on the quote shown; it is set with the amount.
QLabel* AddTotal(QFormLayout& form, const char* name) {
  auto* value = new QLabel;
  value->setObjectName(QLatin1String(name));
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* label = new QLabel;
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

QuoteSheetWindow::QuoteSheetWindow(Separators separators, QuoteTerms terms, MessageSink& messages,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      separators_(std::move(separators)),
      terms_(std::move(terms)),
      dealer_(LoadDealerDetails(*ProgramSettings())),
      messages_(messages),
      customer_(new QLineEdit),
      reference_(new QLineEdit),
      number_(new QLabel),
      date_(new QLabel),
      validUntil_(new QDateEdit),
      lines_(new QTableWidget(0, kColumns)),
      totalExcluding_(nullptr),
      vat_(nullptr),
      totalIncluding_(nullptr),
      status_(new QLabel),
      asNew_(nullptr) {
  setObjectName(QStringLiteral("quoteSheet"));
  setWindowTitle(QStringLiteral("Quotation"));
  customer_->setObjectName(QStringLiteral("txtCustomer"));
  reference_->setObjectName(QStringLiteral("txtReference"));
  number_->setObjectName(QStringLiteral("lblNumber"));
  date_->setObjectName(QStringLiteral("lblDate"));
  validUntil_->setObjectName(QStringLiteral("dtpValidUntil"));
  validUntil_->setCalendarPopup(true);
  validUntil_->setDisplayFormat(QStringLiteral("d MMMM yyyy"));
  lines_->setObjectName(QStringLiteral("tblLines"));
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setAccessibleName(QStringLiteral("Status"));
  status_->setWordWrap(true);

  auto* heading = new QFormLayout;
  heading->addRow(QStringLiteral("&Customer:"), customer_);
  heading->addRow(QStringLiteral("&Reference:"), reference_);
  heading->addRow(QStringLiteral("Number:"), number_);
  heading->addRow(QStringLiteral("Date:"), date_);
  heading->addRow(QStringLiteral("&Valid until:"), validUntil_);

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
  totalExcluding_ = AddTotal(*totals, "lblTotalExcl");
  vat_ = AddTotal(*totals, "lblVat");
  totalIncluding_ = AddTotal(*totals, "lblTotalIncl");
  for (int row = 0; row < 3; ++row) {
    totalLabels_[static_cast<std::size_t>(row)] =
        qobject_cast<QLabel*>(totals->itemAt(row, QFormLayout::LabelRole)->widget());
  }
  auto* totalsRow = new QHBoxLayout;
  totalsRow->addWidget(status_, 1);
  totalsRow->addLayout(totals);

  auto* buttons = new QHBoxLayout;
  QPushButton* clear = AddButton(*buttons, QStringLiteral("C&lear"), "cmdClear");
  QPushButton* dealer = AddButton(*buttons, QStringLiteral("&Dealer details..."), "cmdDealer");
  QPushButton* quotes = AddButton(*buttons, QStringLiteral("&Quotes..."), "cmdQuotes");
  asNew_ = AddButton(*buttons, QStringLiteral("As &new quote"), "cmdAsNew");
  buttons->addStretch();
  QPushButton* copy = AddButton(*buttons, QStringLiteral("C&opy quote"), "cmdCopyQuote");
  QPushButton* print = AddButton(*buttons, QStringLiteral("&Print..."), "cmdPrint");
  QPushButton* save = AddButton(*buttons, QStringLiteral("&Save as PDF..."), "cmdSavePdf");
  QPushButton* email = AddButton(*buttons, QStringLiteral("&E-mail..."), "cmdEmail");

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
  FitToScreen(*this, QSize(760, 460));

  connect(customer_, &QLineEdit::textEdited, this, [this](const QString& text) {
    sheet_.SetCustomer(ToStdString(text));
    Refresh();
  });
  connect(reference_, &QLineEdit::textEdited, this, [this](const QString& text) {
    sheet_.SetReference(ToStdString(text));
    Refresh();
  });
  connect(validUntil_, &QDateEdit::dateChanged, this, [this](const QDate& date) {
    sheet_.SetValidUntil(FromQDate(date));
    Refresh();
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
  sheet_.SetDates(Today(), Today() + std::chrono::days(dealer_.validityDays));
  Refresh();
}

QuoteSheetWindow::~QuoteSheetWindow() = default;

void QuoteSheetWindow::closeEvent(QCloseEvent* event) {
  if (quotes_ != nullptr) quotes_->close();
  QWidget::closeEvent(event);
}

void QuoteSheetWindow::Add(const PricedItem& item) {
  DeliverEvent(messages_, [&] { sheet_.Add(item); });
  Refresh();
  lines_->selectRow(lines_->rowCount() - 1);
}

QString QuoteSheetWindow::Status() const {
  return status_->text();
}

void QuoteSheetWindow::Say(const QString& text) {
  status_->setText(text);
  QAccessibleEvent alert(status_, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

QuoteRegister* QuoteSheetWindow::Register() {
  if (!registerTried_) {
    registerTried_ = true;
    try {
      register_ = SqlQuoteRegister::Open(DefaultRegisterPath());
    } catch (const RegisterError& error) {
      notKept_ = ToQString(error.what());
      messages_.ShowError(error.what());
    }
  }
  return register_.get();
}

std::optional<Quotation> QuoteSheetWindow::Sendable() {
  if (sheet_.Empty()) {
    Say(QStringLiteral("The quote has no lines: add a price with Add to quote first."));
    return std::nullopt;
  }
  Quotation quotation = sheet_.Document(dealer_, terms_);
  if (!quotation.number.empty()) return quotation;
  QuoteRegister* kept = Register();
  if (kept == nullptr) return quotation;
  try {
    quotation = kept->Keep(quotation);
  } catch (const RegisterError& error) {
    messages_.ShowError(error.what());
    return std::nullopt;
  }
  sheet_.Numbered(quotation);
  if (quotes_ != nullptr) quotes_->Reload();
  Refresh();
  return quotation;
}

void QuoteSheetWindow::Refresh() {
  // Set only when it differs, so that the field being typed in keeps its cursor.
  for (auto [field, text] : {std::pair{customer_, ToQString(sheet_.Customer())},
                             std::pair{reference_, ToQString(sheet_.Reference())}}) {
    if (field->text() != text) field->setText(text);
  }
  const std::string number = sheet_.Number();
  number_->setText(number.empty() ? (registerTried_ && !register_
                                         ? QStringLiteral("none: quotes are not kept")
                                         : QStringLiteral("given when first copied, printed or "
                                                          "saved"))
                                  : ToQString(number));
  asNew_->setEnabled(!number.empty());
  date_->setText(ToQString(DateText(sheet_.Date())));
  {
    const QSignalBlocker quiet(validUntil_);
    validUntil_->setMinimumDate(ToQDate(sheet_.Date()));
    validUntil_->setDate(ToQDate(sheet_.ValidUntil()));
  }
  const Quotation shown = sheet_.Document(dealer_, terms_);
  lines_->setHorizontalHeaderLabels({QStringLiteral("Description"), QStringLiteral("Qty"),
                                     ToQString(WithCurrency("Unit excl. VAT", shown)),
                                     ToQString(WithCurrency("Excl. VAT", shown)),
                                     ToQString(WithCurrency("Incl. VAT", shown))});
  const auto rows = TotalRows(shown);
  const std::array<QLabel*, 3> totals = {totalExcluding_, vat_, totalIncluding_};
  for (std::size_t i = 0; i < totals.size(); ++i) {
    const QString label = ToQString(rows[i].label);
    totalLabels_[i]->setText(label + QLatin1Char(':'));
    totals[i]->setAccessibleName(label);
  }

  lines_->setRowCount(0);
  const auto& lines = sheet_.Lines();
  lines_->setRowCount(static_cast<int>(lines.size()));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int row = static_cast<int>(i);
    const QuoteLine& line = lines[i];
    lines_->setItem(row, kDescription, ReadOnlyItem(ToQString(line.description), Qt::AlignLeft));
    lines_->setItem(
        row, kUnitPrice,
        ReadOnlyItem(ToQString(FormatPrice(line.unitExcludingVat, separators_)), Qt::AlignRight));
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

// Only the lines' totals and the sums are rewritten: the quantity box being edited stays.
void QuoteSheetWindow::ShowTotals() {
  const auto& lines = sheet_.Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int row = static_cast<int>(i);
    lines_->setItem(row, kExcludingVat,
                    ReadOnlyItem(ToQString(FormatPrice(lines[i].totalExcludingVat, separators_)),
                                 Qt::AlignRight));
    lines_->setItem(row, kIncludingVat,
                    ReadOnlyItem(ToQString(FormatPrice(lines[i].totalIncludingVat, separators_)),
                                 Qt::AlignRight));
  }
  const SheetTotals& totals = sheet_.Totals();
  totalExcluding_->setText(ToQString(FormatPrice(totals.excludingVat, separators_)));
  vat_->setText(ToQString(FormatPrice(totals.vat, separators_)));
  totalIncluding_->setText(ToQString(FormatPrice(totals.includingVat, separators_)));
}

void QuoteSheetWindow::SetQuantity(int row, int quantity) {
  const bool wasNumbered = !sheet_.Number().empty();
  DeliverEvent(messages_, [&] { sheet_.SetQuantity(static_cast<std::size_t>(row), quantity); });
  // A quantity the sheet refused goes back to the one it holds.
  if (auto* box = qobject_cast<QSpinBox*>(lines_->cellWidget(row, kQuantity))) {
    const QSignalBlocker quiet(box);
    box->setValue(sheet_.Lines()[static_cast<std::size_t>(row)].quantity);
  }
  ShowTotals();
  if (wasNumbered && sheet_.Number().empty()) {
    number_->setText(QStringLiteral("given when first copied, printed or saved"));
    asNew_->setEnabled(false);
  }
}

void QuoteSheetWindow::RemoveSelectedLine() {
  const int row = lines_->currentRow();
  if (row < 0 || lines_->selectionModel()->selectedRows().isEmpty()) return;
  DeliverEvent(messages_, [&] { sheet_.Remove(static_cast<std::size_t>(row)); });
  Refresh();
  if (lines_->rowCount() > 0) lines_->selectRow(std::min(row, lines_->rowCount() - 1));
}

void QuoteSheetWindow::ClearLines() {
  if (sheet_.Empty()) return Say(QStringLiteral("The quote has no lines to clear."));
  const auto count = sheet_.Lines().size();
  const QString question = count == 1
                               ? QStringLiteral("Remove the quote's line?")
                               : QStringLiteral("Remove all %1 lines of the quote?").arg(count);
  if (!Confirmed(this, question, QMessageBox::Yes)) return;
  sheet_.Clear();
  Refresh();
  Say(QStringLiteral("The quote's lines were removed."));
}

void QuoteSheetWindow::SetPriceBook(const PriceBook& book) {
  terms_ = TermsOfBook(book);
  Refresh();
}

void QuoteSheetWindow::CopyQuote() {
  const std::optional<Quotation> quotation = Sendable();
  if (!quotation) return;
  CopyToClipboard(SheetPlainText(*quotation, separators_), SheetHtml(*quotation, separators_));
  sheet_.MarkHandedOn();
  Say(QStringLiteral("%1 copied.").arg(ToQString(QuotationTitle(*quotation))) +
      (notKept_.isEmpty() ? QString() : QStringLiteral(" Quotes are not kept.")));
}

void QuoteSheetWindow::Print() {
  if (sheet_.Empty()) {
    Sendable();  // says why nothing is printed
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
  printer.setDocName(QStringLiteral("Quotation"));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::optional<Quotation> quotation = Sendable();
  if (!quotation) return;
  PaintQuotation(*quotation, separators_, printer);
  sheet_.MarkHandedOn();
  Say(QStringLiteral("%1 printed.").arg(ToQString(QuotationTitle(*quotation))));
}

void QuoteSheetWindow::SaveAsPdf() {
  if (sheet_.Empty()) {
    Sendable();  // says why nothing is saved
    return;
  }
  const QString path = chooseFile_ ? chooseFile_() : QString();
  if (!path.isEmpty()) WritePdf(path);
}

bool QuoteSheetWindow::WritePdf(const QString& path) {
  const std::optional<Quotation> quotation = Sendable();
  if (!quotation) return false;
  if (const std::optional<QString> cause = SaveFile(path, QuotationPdf(*quotation, separators_))) {
    messages_.ShowError(ToStdString(
        QStringLiteral("The quote could not be saved as %1: %2.").arg(ShownPath(path), *cause)));
    return false;
  }
  sheet_.MarkHandedOn();
  Say(QStringLiteral("%1 saved as %2.")
          .arg(ToQString(QuotationTitle(*quotation)), ShownPath(path)));
  return true;
}

void QuoteSheetWindow::EmailQuote() {
  const std::optional<Quotation> quotation = Sendable();
  if (!quotation) return;
  const MailHandOver result = HandOverToMail(
      QuotationPdf(*quotation, separators_), MailFolder(LoadMailFolder(*ProgramSettings())),
      ToQString(ProposedPdfName(*quotation)), ToQString(MailSubject(*quotation)),
      ToQString(quotation->customer.email));
  if (result.handedOver) sheet_.MarkHandedOn();
  Say(result.message);
}

QString QuoteSheetWindow::ProposedPdfFileName() const {
  return ToQString(ProposedPdfName(sheet_.Document(dealer_, terms_)));
}

void QuoteSheetWindow::ShowDealerDetails() {
  const int oldDays = dealer_.validityDays;
  dealer_ = EditDealerDetails(this);
  // A quote not yet sent follows a changed validity; a numbered one keeps what it was sent with.
  if (sheet_.Number().empty() && dealer_.validityDays != oldDays &&
      sheet_.ValidUntil() == sheet_.Date() + std::chrono::days(oldDays)) {
    sheet_.SetValidUntil(sheet_.Date() + std::chrono::days(dealer_.validityDays));
  }
  Refresh();
}

void QuoteSheetWindow::ShowQuotes() {
  QuoteRegister* kept = Register();
  if (kept == nullptr) {
    Say(QStringLiteral("Quotes are not kept: %1").arg(notKept_));
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
  QuoteRegister* kept = Register();
  if (kept == nullptr) return;
  if (sheet_.HasUnsentLines() &&
      !Confirmed(this,
                 QStringLiteral("The quote has lines that were not printed, saved or copied.\n"
                                "Discard them and open %1?")
                     .arg(ToQString(number)),
                 QMessageBox::Discard)) {
    return;
  }
  try {
    sheet_.Open(kept->Find(number));
  } catch (const RegisterError& error) {
    messages_.ShowError(error.what());
    return;
  }
  Refresh();
  show();
  raise();
  activateWindow();
  Say(QStringLiteral("%1 reopened as it was sent.").arg(ToQString(number)));
}

void QuoteSheetWindow::StartNewQuote() {
  const std::string from = sheet_.Number();
  sheet_.SetDates(Today(), Today() + std::chrono::days(dealer_.validityDays));
  Refresh();
  Say(QStringLiteral("A new quote with the lines of %1; it gets its own number when it goes out.")
          .arg(ToQString(from)));
}

}  // namespace corvane
