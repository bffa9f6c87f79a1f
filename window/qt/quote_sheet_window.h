// The quote sheet: a second top-level window that collects prices from the quote window as lines,
// adds them up and hands the quote on by clipboard, printer or PDF file.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "money/format_price.h"
#include "pricebook/price_book.h"
#include "sheet/quote_sheet.h"
#include "sheet/sheet_text.h"
#include "window/controls.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace corvane {

class QuoteSheetWindow final : public QWidget {
  Q_OBJECT

 public:
  //! Errors and failed writes are reported through messages.
  QuoteSheetWindow(Separators separators, MessageSink& messages, QWidget* parent);

  //! Adds the price as a line; an amount out of range is reported and adds nothing.
  void Add(const PricedItem& item);
  const QuoteSheet& Sheet() const { return sheet_; }

  //! The file "Save as PDF..." writes: by default the one the dealer chooses in a file dialog,
  //! which asks before replacing a file; an empty name writes nothing.
  void SetFileChooser(std::function<QString()> chooser) { chooseFile_ = std::move(chooser); }
  //! The price book whose footnote, telephone number and VAT rate the quote names; the built-in
  //! book's until one is given. The book must outlive the sheet.
  void SetPriceBook(const PriceBook& book);

  void CopyQuote();
  void Print();
  void SaveAsPdf();
  //! Writes the quote as an A4 PDF; a failed write is reported and leaves the sheet as it was.
  bool WritePdf(const QString& path);

 private:
  QString Today() const;
  //! Rebuilds the table and the totals from the sheet.
  void Refresh();
  void ShowTotals();
  SheetFooter Footer() const;
  void RemoveSelectedLine();
  void SetQuantity(int row, int quantity);

  QuoteSheet sheet_;
  Separators separators_;
  MessageSink& messages_;
  std::function<QString()> chooseFile_;
  QLineEdit* customer_;
  QLineEdit* reference_;
  QLabel* date_;
  QTableWidget* lines_;
  QLabel* totalExcluding_;
  QLabel* vat_;
  QLabel* totalIncluding_;
  QLabel* vatCaption_;
  const PriceBook* book_ = nullptr;
};

}  // namespace corvane
