// The quote sheet: a second top-level window that collects prices from the quote window as lines
// that know what priced them, adds them up per VAT rate and hands the quotation on by clipboard,
// printer or PDF file, numbering it and keeping it in the register the first time it goes out.
// Every change is kept as the register's draft, so that the next start finds it again.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "money/format_price.h"
#include "pricebook/price_book.h"
#include "register/quote_register.h"
#include "sheet/priced_item.h"
#include "sheet/sheet_controller.h"
#include "window/controls.h"

class QCompleter;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStringListModel;
class QTableWidget;

namespace corvane {

class Announcer;
class QuotesWindow;

//! A hand-over (a file, a printer, the mail program) that did not take the quotation; the message
//! says why, in the words shown.
class HandOverFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class QuoteSheetWindow final : public QWidget {
  Q_OBJECT

 public:
  //! Prices what is added with `book` (the window's, which may later hold another book: see
  //! SetPriceBook); keeps its drafts and quotes in the register `source` gives, which the window
  //! never opens itself. Errors and failed writes are reported through messages. The dealer's
  //! details are read from the settings file now.
  QuoteSheetWindow(Separators separators, const PriceBook& book,
                   SheetController::RegisterSource source, MessageSink& messages, QWidget* parent);
  ~QuoteSheetWindow() override;

  //! Adds what the price shown is the price of, as a line priced by the book in use; a request
  //! the book refuses or an amount out of range is reported and adds nothing.
  void Add(const PricedItem& item);
  const QuoteSheet& Sheet() const { return controller_.Sheet(); }

  //! The book now in use. With lines another book priced on the sheet, asks once whether to
  //! price them again with it.
  void SetPriceBook(const PriceBook& book);
  //! Puts the draft the register kept back on the sheet; false when there is none.
  bool RestoreDraft();
  //! The dealer discarded the lines: the register forgets the draft too.
  void DiscardDraft();

  //! The file "Save as PDF..." writes; an empty name writes nothing.
  void SetFileChooser(std::function<QString()> chooser) { chooseFile_ = std::move(chooser); }
  //! Asks who a quote without a customer is for; nothing when the dealer does not say. By default
  //! a dialog offering "Cash customer".
  void SetCustomerQuestion(std::function<std::optional<QString>()> ask) {
    askCustomer_ = std::move(ask);
  }
  //! Asks the re-price question; true to price again. By default a message box, Escape keeping.
  void SetRepriceQuestion(std::function<bool(const QString&)> ask) { askReprice_ = std::move(ask); }

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
  //! The lines and customer of the quotation shown, as a new quote of today's date; priced again
  //! with the book in use if the dealer says so.
  void StartNewQuote();
  //! The status line: what the last action did, or why it did nothing.
  QString Status() const;
  //! The "Quotes..." window, or nullptr before its first use.
  QuotesWindow* Quotes() const { return quotes_; }

 protected:
  //! The "Quotes..." window closes with the sheet.
  void closeEvent(QCloseEvent* event) override;

 private:
  //! The quotation ready to go out, as sent before or new and not yet numbered; none when it has
  //! no lines, no customer was given, or it may not be sent again unchanged.
  std::optional<Quotation> Sendable();
  //! Hands the quotation on, numbered and kept by the register in the same step, so that a
  //! hand-over that fails (throws HandOverFailed, which passes on) numbers nothing and leaves the
  //! sheet as it was. Where the register cannot keep it, it goes out without a number and the
  //! status line says so. Returns the quotation handed on, or none when it was not ready.
  std::optional<Quotation> Send(const HandOver& handOver);
  //! Makes the change on the sheet, keeps the draft and shows the sheet anew; an error is
  //! reported and changes nothing.
  void Change(const std::function<void(QuoteSheet&)>& change);
  void AskToReprice(const PriceBook& book);
  void HandedOn();
  //! Says it in the status line and to a screen reader.
  void Say(const QString& text);
  //! Rebuilds the fields, the table and the totals from the sheet.
  void Refresh();
  void ShowTotals();
  void ShowNumber();
  void RemoveSelectedLine();
  void SetQuantity(int row, int quantity);
  //! The buyer block as the fields show it.
  Customer BuyerShown() const;
  void BuyerEdited();
  void OfferCustomers(const QString& text);
  void FillBuyer(const QString& company);
  //! The first time, one line saying the dealer's own currency no longer applies.
  void NoteOldCurrency();

  Separators separators_;
  const PriceBook* book_;
  SheetController::RegisterSource source_;
  SheetController controller_;
  DealerDetails dealer_;
  MessageSink& messages_;
  std::function<QString()> chooseFile_;
  std::function<std::optional<QString>()> askCustomer_;
  std::function<bool(const QString&)> askReprice_;
  QString notKept_;  //!< why the last quote was not kept, while that is so
  QuotesWindow* quotes_ = nullptr;
  QLineEdit* company_;
  QLineEdit* contact_;
  QPlainTextEdit* address_;
  QLineEdit* vatNumber_;
  QLineEdit* email_;
  QLineEdit* telephone_;
  QStringListModel* companies_;
  QCompleter* completer_;
  QLineEdit* reference_;
  QLabel* number_;
  QLabel* date_;
  QDateEdit* validUntil_;
  QTableWidget* lines_;
  QLabel* totalExcluding_;
  QLabel* vatLabel_;
  QLabel* vat_;
  QLabel* totalIncluding_;
  QLabel* totalExcludingLabel_;
  QLabel* totalIncludingLabel_;
  QLabel* status_;
  QPushButton* asNew_;
  Announcer* announcer_;
  QString totalSaid_;  //!< the total as last told to a screen reader; null before the first
};

}  // namespace corvane
