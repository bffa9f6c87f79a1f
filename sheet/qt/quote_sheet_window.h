// The quote sheet: a second top-level window that collects prices from the quote window as lines,
// adds them up and hands the quotation on by clipboard, printer or PDF file, numbering it and
// keeping it in the quote register the first time it goes out.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "money/format_price.h"
#include "pricebook/price_book.h"
#include "register/quote_register.h"
#include "sheet/quote_sheet.h"
#include "window/controls.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace corvane {

class QuotesWindow;

class QuoteSheetWindow final : public QWidget {
  Q_OBJECT

 public:
  //! Errors and failed writes are reported through messages. The dealer's details are read from
  //! the settings file now; the register is opened when a quote first goes out or is looked for.
  QuoteSheetWindow(Separators separators, QuoteTerms terms, MessageSink& messages, QWidget* parent);
  ~QuoteSheetWindow() override;

  //! Adds the price as a line; an amount out of range is reported and adds nothing.
  void Add(const PricedItem& item);
  const QuoteSheet& Sheet() const { return sheet_; }

  //! The VAT rate, currency, effective date and telephone number of the book now in use, for the
  //! quotes made from here on.
  void SetPriceBook(const PriceBook& book);
  //! The file "Save as PDF..." writes; an empty name writes nothing.
  void SetFileChooser(std::function<QString()> chooser) { chooseFile_ = std::move(chooser); }

  void CopyQuote();
  void Print();
  void SaveAsPdf();
  //! "E-mail...": the PDF saved in the folder for e-mail and handed to the mail program; the
  //! quote counts as sent only when the mail program took it.
  void EmailQuote();
  //! The name "Save as PDF..." proposes: "<number> <customer>.pdf".
  QString ProposedPdfFileName() const;
  //! Writes the quotation as an A4 PDF; a failed write is reported and leaves the sheet as it was.
  bool WritePdf(const QString& path);
  //! Removes every line once the dealer has said so.
  void ClearLines();
  void ShowDealerDetails();
  //! The "Quotes..." window over the register.
  void ShowQuotes();
  //! Reopens the quotation kept under the number, as it was sent.
  void OpenQuote(const std::string& number);
  //! The lines and customer of the quotation shown, as a new quote of today's date.
  void StartNewQuote();
  //! The status line: what the last action did, or why it did nothing.
  QString Status() const;
  //! The "Quotes..." window, or nullptr before its first use.
  QuotesWindow* Quotes() const { return quotes_; }

 protected:
  //! The "Quotes..." window closes with the sheet.
  void closeEvent(QCloseEvent* event) override;

 private:
  //! The quotation ready to go out: numbered and kept if it is new and the register works; none
  //! when it has no lines or the register refused to keep it.
  std::optional<Quotation> Sendable();
  //! The register, opened on first use; nullptr when it cannot be kept.
  QuoteRegister* Register();
  //! Says it in the status line, which screen readers announce.
  void Say(const QString& text);
  //! Rebuilds the fields, the table and the totals from the sheet.
  void Refresh();
  void ShowTotals();
  void RemoveSelectedLine();
  void SetQuantity(int row, int quantity);

  QuoteSheet sheet_;
  Separators separators_;
  QuoteTerms terms_;
  DealerDetails dealer_;
  MessageSink& messages_;
  std::function<QString()> chooseFile_;
  std::unique_ptr<QuoteRegister> register_;
  bool registerTried_ = false;
  QString notKept_;  //!< why quotes are not kept, once the register could not be opened
  QuotesWindow* quotes_ = nullptr;
  QLineEdit* customer_;
  QLineEdit* reference_;
  QLabel* number_;
  QLabel* date_;
  QDateEdit* validUntil_;
  QTableWidget* lines_;
  QLabel* totalExcluding_;
  QLabel* vat_;
  QLabel* totalIncluding_;
  std::array<QLabel*, 3> totalLabels_{};
  QLabel* status_;
  QPushButton* asNew_;
};

}  // namespace corvane
