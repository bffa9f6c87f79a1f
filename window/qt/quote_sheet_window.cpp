#include "window/qt/quote_sheet_window.h"

#include <QApplication>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "money/escaped_text.h"
#include "qt/clipboard.h"
#include "qt/fit_to_screen.h"
#include "qt/qt_text.h"
#include "qt/save_file.h"
#include "sheet/sheet_text.h"
#include "window/event_boundary.h"
#include "window/qt/pdf_file_dialog.h"

namespace corvane {
namespace {

enum Column : int { kDescription, kQuantity, kUnitPrice, kExcludingVat, kIncludingVat, kColumns };

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

QLabel* AddTotal(QFormLayout& form, const QString& label, const char* name) {
  auto* value = new QLabel;
  value->setObjectName(QLatin1String(name));
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form.addRow(label, value);
  return value;
}

}  // namespace

QuoteSheetWindow::QuoteSheetWindow(Separators separators, MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      separators_(std::move(separators)),
      messages_(messages),
      customer_(new QLineEdit),
      reference_(new QLineEdit),
      date_(new QLabel),
      lines_(new QTableWidget(0, kColumns)),
      totalExcluding_(nullptr),
      vat_(nullptr),
      totalIncluding_(nullptr),
      vatCaption_(nullptr) {
  setObjectName(QStringLiteral("quoteSheet"));
  setWindowTitle(QStringLiteral("Quotation"));
  customer_->setObjectName(QStringLiteral("txtCustomer"));
  reference_->setObjectName(QStringLiteral("txtReference"));
  date_->setObjectName(QStringLiteral("lblDate"));
  lines_->setObjectName(QStringLiteral("tblLines"));

  auto* heading = new QFormLayout;
  heading->addRow(QStringLiteral("&Customer:"), customer_);
  heading->addRow(QStringLiteral("&Reference:"), reference_);
  heading->addRow(QStringLiteral("Date:"), date_);

  lines_->setHorizontalHeaderLabels({QStringLiteral("Description"), QStringLiteral("Qty"),
                                     QStringLiteral("Unit excl. VAT"), QStringLiteral("Excl. VAT"),
                                     QStringLiteral("Incl. VAT")});
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
  totalExcluding_ = AddTotal(*totals, QStringLiteral("Total excl. VAT:"), "lblTotalExcl");
  vat_ = AddTotal(*totals, QStringLiteral("VAT:"), "lblVat");
  vatCaption_ = qobject_cast<QLabel*>(totals->labelForField(vat_));
  totalIncluding_ = AddTotal(*totals, QStringLiteral("Total incl. VAT:"), "lblTotalIncl");
  auto* totalsRow = new QHBoxLayout;
  totalsRow->addStretch();
  totalsRow->addLayout(totals);

  auto* buttons = new QHBoxLayout;
  QPushButton* clear = AddButton(*buttons, QStringLiteral("C&lear"), "cmdClear");
  buttons->addStretch();
  QPushButton* copy = AddButton(*buttons, QStringLiteral("C&opy quote"), "cmdCopyQuote");
  QPushButton* print = AddButton(*buttons, QStringLiteral("&Print..."), "cmdPrint");
  QPushButton* save = AddButton(*buttons, QStringLiteral("&Save as PDF..."), "cmdSavePdf");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(heading);
  layout->addWidget(lines_, 1);
  layout->addLayout(totalsRow);
  layout->addLayout(buttons);
  FitToScreen(*this, QSize(720, 420));

  connect(customer_, &QLineEdit::textEdited, this,
          [this](const QString& text) { sheet_.SetCustomer(ToStdString(text)); });
  connect(reference_, &QLineEdit::textEdited, this,
          [this](const QString& text) { sheet_.SetReference(ToStdString(text)); });
  connect(clear, &QPushButton::clicked, this, [this] {
    sheet_.Clear();
    Refresh();
  });
  connect(copy, &QPushButton::clicked, this, &QuoteSheetWindow::CopyQuote);
  connect(print, &QPushButton::clicked, this, &QuoteSheetWindow::Print);
  connect(save, &QPushButton::clicked, this, &QuoteSheetWindow::SaveAsPdf);
  auto* remove =
      new QShortcut(QKeySequence::Delete, lines_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
  connect(remove, &QShortcut::activated, this, &QuoteSheetWindow::RemoveSelectedLine);
  Refresh();
}

void QuoteSheetWindow::Add(const PricedItem& item) {
  DeliverEvent(messages_, [&] { sheet_.Add(item); });
  Refresh();
  lines_->selectRow(lines_->rowCount() - 1);
}

void QuoteSheetWindow::SetPriceBook(const PriceBook& book) {
  book_ = &book;
  ShowTotals();
}

SheetFooter QuoteSheetWindow::Footer() const {
  if (book_ == nullptr) return BuiltInFooter();
  return {FootnoteText(book_->effectiveDate), book_->vendorPhone};
}

QString QuoteSheetWindow::Today() const {
  return QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat);
}

void QuoteSheetWindow::Refresh() {
  date_->setText(Today());
  lines_->setRowCount(0);
  const auto& lines = sheet_.Lines();
  lines_->setRowCount(static_cast<int>(lines.size()));
  const Qt::Alignment right = Qt::AlignRight;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int row = static_cast<int>(i);
    const QuoteLine& line = lines[i];
    lines_->setItem(row, kDescription, ReadOnlyItem(ToQString(line.description), Qt::AlignLeft));
    lines_->setItem(
        row, kUnitPrice,
        ReadOnlyItem(ToQString(FormatPrice(line.unitExcludingVat, separators_)), right));
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

// Only the changed line's totals and the sums are rewritten: the quantity box being edited stays.
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
  // An empty sheet names the rate its next line will carry.
  const std::string caption =
      sheet_.Empty() && book_ != nullptr ? VatRateText(book_->vat) : VatTotalLabel(totals);
  vatCaption_->setText(ToQString(caption) + QLatin1Char(':'));
  totalIncluding_->setText(ToQString(FormatPrice(totals.includingVat, separators_)));
}

void QuoteSheetWindow::SetQuantity(int row, int quantity) {
  DeliverEvent(messages_, [&] { sheet_.SetQuantity(static_cast<std::size_t>(row), quantity); });
  // A quantity the sheet refused goes back to the one it holds.
  if (auto* box = qobject_cast<QSpinBox*>(lines_->cellWidget(row, kQuantity))) {
    const QSignalBlocker quiet(box);
    box->setValue(sheet_.Lines()[static_cast<std::size_t>(row)].quantity);
  }
  ShowTotals();
}

void QuoteSheetWindow::RemoveSelectedLine() {
  const int row = lines_->currentRow();
  if (row < 0 || lines_->selectionModel()->selectedRows().isEmpty()) return;
  DeliverEvent(messages_, [&] { sheet_.Remove(static_cast<std::size_t>(row)); });
  Refresh();
  if (lines_->rowCount() > 0) lines_->selectRow(std::min(row, lines_->rowCount() - 1));
}

void QuoteSheetWindow::CopyQuote() {
  if (sheet_.Empty()) return;
  const std::string today = ToStdString(Today());
  CopyToClipboard(SheetPlainText(sheet_, today, separators_, Footer()),
                  SheetHtml(sheet_, today, separators_, Footer()));
  sheet_.MarkHandedOn();
}

void QuoteSheetWindow::Print() {
  if (sheet_.Empty()) return;
  QTextDocument document;
  document.setHtml(ToQString(SheetHtml(sheet_, ToStdString(Today()), separators_, Footer())));
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setDocName(QStringLiteral("Quotation"));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  document.print(&printer);
  sheet_.MarkHandedOn();
}

void QuoteSheetWindow::SaveAsPdf() {
  if (sheet_.Empty()) return;
  const QString path = chooseFile_ ? chooseFile_()
                                   : ChoosePdfFile(this, QStringLiteral("Save quote as PDF"),
                                                   QStringLiteral("Quotation.pdf"));
  if (!path.isEmpty()) WritePdf(path);
}

bool QuoteSheetWindow::WritePdf(const QString& path) {
  QTextDocument document;
  document.setHtml(ToQString(SheetHtml(sheet_, ToStdString(Today()), separators_, Footer())));
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    writer.setTitle(QStringLiteral("Quotation"));
    writer.setCreator(QStringLiteral("Corvane Cross-grade Price Calculator"));
    document.print(&writer);
  }
  if (const std::optional<QString> cause = SaveFile(path, pdf)) {
    const std::string shownPath = Escaped(ToStdString(QDir::toNativeSeparators(path)));
    messages_.ShowError(ToStdString(QStringLiteral("The quote could not be saved as %1: %2.")
                                        .arg(ToQString(shownPath), *cause)));
    return false;
  }
  sheet_.MarkHandedOn();
  return true;
}

}  // namespace corvane
