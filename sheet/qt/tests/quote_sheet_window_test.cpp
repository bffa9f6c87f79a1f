// The quote sheet's window: the quotation as a PDF, numbers given once and kept in the register,
// revisions, reopening a quote as it was sent, a register that cannot be used, clearing, the
// draft, the re-price question, VAT rows per rate and the customer a number needs.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "qt/program_settings.h"
#include "qt/qt_text.h"
#include "register/memory_quote_register.h"
#include "register/qt/quotes_window.h"
#include "sheet/qt/dealer_details_dialog.h"
#include "sheet/qt/dealer_settings.h"
#include "sheet/qt/quote_sheet_window.h"

namespace corvane {
namespace {

class RecordedMessages final : public MessageSink {
 public:
  void ShowWarning(std::string_view message) override { seen.emplace_back(message); }
  void ShowError(std::string_view message) override { seen.emplace_back(message); }
  std::vector<std::string> seen;
};

// Answers the next question box with the button.
void AnswerNextQuestion(QMessageBox::StandardButton answer) {
  QTimer::singleShot(0, [answer] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      box->button(answer)->click();
    }
  });
}

// A register that can be locked by another program for a while.
class LockableRegister final : public MemoryQuoteRegister {
 public:
  Quotation Keep(const Quotation& quotation, const HandOver& handOver = {}) override {
    if (locked) throw RegisterError("The quote register is locked by another program.");
    return MemoryQuoteRegister::Keep(quotation, handOver);
  }
  void KeepDraft(const Quotation& draft) override {
    if (locked) throw RegisterError("The quote register is locked by another program.");
    MemoryQuoteRegister::KeepDraft(draft);
  }
  bool locked = false;
};

// The built-in book's facts with forty support contracts at 236.84 each.
std::unique_ptr<PriceBook> ContractBook(VatRate rate = VatRate{1400}) {
  auto book = std::make_unique<PriceBook>();
  book->vat = rate;
  for (int i = 1; i <= 40; ++i) {
    book->SupportItem.Set(i, "Support Contract (monthly): Tessaline " + std::to_string(i));
    book->SupportPrice.Set(i, Money::fromDecimal("236.84"));
  }
  return book;
}

PricedItem Contract(int item) {
  QuoteRequest request;
  request.kind = QuoteKind::Support;
  request.item = item;
  return PricedItem{"", {}, request};
}

class SheetWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(data_.isValid());
    qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    DealerDetails dealer;
    dealer.companyName = "Tarn Systems";
    dealer.address = "12 Main Road\nCape Town";
    dealer.telephone = "021 555 0100";
    dealer.terms = "Payment within 30 days of delivery.";
    SaveDealerDetails(*ProgramSettings(), dealer);
    Open();
  }
  void Open() {
    window_ = std::make_unique<QuoteSheetWindow>(
        Separators{}, *book_, [this]() -> QuoteRegister& { return register_; }, messages_, nullptr);
    window_->SetCustomerQuestion([this] { return customerAnswer_; });
    window_->SetRepriceQuestion([this](const QString& question) {
      questions_ << question;
      return repriceAnswer_;
    });
  }
  void AddLines(int count) {
    for (int i = 0; i < count; ++i) window_->Add(Contract(i + 1));
  }
  QString CopiedNumber() {
    window_->CopyQuote();
    const QString text = QGuiApplication::clipboard()->text();
    return QRegularExpression(QStringLiteral("^Quotation (Q-\\d{4}-\\d{4})( rev\\. \\d+)?\n"))
        .match(text)
        .captured(1);
  }
  template <typename Widget = QWidget>
  Widget* Find(QWidget* in, const char* name) const {
    auto* widget = in->findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  //! Each page's words, as pdftotext reads them.
  static QStringList PdfPages(const QString& path) {
    QStringList pages;
    for (int page = 1;; ++page) {
      QProcess pdftotext;
      pdftotext.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                       QString::number(page), QStringLiteral("-raw"), path, QStringLiteral("-")});
      EXPECT_TRUE(pdftotext.waitForFinished(10000));
      if (pdftotext.exitCode() != 0) break;  // past the last page
      const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
      if (text.isEmpty()) break;
      pages << text;
    }
    return pages;
  }

  QTemporaryDir data_;
  RecordedMessages messages_;
  LockableRegister register_;
  std::unique_ptr<PriceBook> book_ = ContractBook();
  std::optional<QString> customerAnswer_ = QStringLiteral("Cash customer");
  bool repriceAnswer_ = false;
  QStringList questions_;
  std::unique_ptr<QuoteSheetWindow> window_;
};

// Forty lines run over more than one page: every page has the table's heading and "Page N of M";
// the totals, the validity and the terms share the last page with the last line.
TEST_F(SheetWindowTest, AFortyLineQuoteReadsAsAQuotationOnEveryPage) {
  AddLines(40);
  Find<QLineEdit>(window_.get(), "txtCustomer")->setText(QStringLiteral("Bell & Sons"));
  QTest::keyClicks(Find<QLineEdit>(window_.get(), "txtCustomer"), QStringLiteral(" Ltd"));
  const QString path = data_.filePath(QStringLiteral("quote.pdf"));
  ASSERT_TRUE(window_->WritePdf(path));
  const QString number = ToQString(window_->Sheet().Number());
  EXPECT_TRUE(number.startsWith(QStringLiteral("Q-"))) << number.toStdString();
  const QStringList pages = PdfPages(path);
  ASSERT_GE(pages.size(), 2);
  for (int i = 0; i < pages.size(); ++i) {
    SCOPED_TRACE(pages[i].left(600).toStdString());
    EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size())));
    EXPECT_TRUE(pages[i].contains(
        QStringLiteral("Description Qty List price Discount Unit price VAT Amount (ZAR)")));
    EXPECT_TRUE(pages[i].contains(QStringLiteral("Tessaline")));  // some lines on every page
    EXPECT_FALSE(pages[i].contains(QStringLiteral("subject to change")));
  }
  for (const QString& part :
       {QStringLiteral("Tarn Systems"), QStringLiteral("12 Main Road"), QStringLiteral("Cape Town"),
        QStringLiteral("Tel: 021 555 0100"), QStringLiteral("Number: ") + number,
        QStringLiteral("Date: "), QStringLiteral("Valid until: "),
        QStringLiteral("Quotation for Bell & Sons Ltd")}) {
    EXPECT_TRUE(pages.first().contains(part)) << part.toStdString();
  }
  for (const QString& part :
       {QStringLiteral("Tessaline 40 1 236.84 236.84 14% 236.84"),
        QStringLiteral("Total excl. VAT (ZAR) 9,473.60"),
        QStringLiteral("VAT 14% on 9,473.60 1,326.40"),
        QStringLiteral("Total incl. VAT (ZAR) 10,800.00"), QStringLiteral("Valid until "),
        QStringLiteral("Payment within 30 days of delivery.")}) {
    EXPECT_TRUE(pages.last().contains(part)) << part.toStdString();
  }
  EXPECT_TRUE(messages_.seen.empty());
}

// A screen reader reading a cell hears its column's heading and what the cell holds, the
// quantity under its spin box included.
TEST_F(SheetWindowTest, EveryCellOfTheLinesIsHeardWithItsHeading) {
  AddLines(2);
  auto* table = Find<QTableWidget>(window_.get(), "tblLines");
  ASSERT_NE(table, nullptr);
  auto* quantity = qobject_cast<QSpinBox*>(table->cellWidget(1, 1));
  ASSERT_NE(quantity, nullptr);
  quantity->setValue(2);
  QAccessibleTableInterface* heard = QAccessible::queryAccessibleInterface(table)->tableInterface();
  ASSERT_NE(heard, nullptr);
  ASSERT_EQ(heard->rowCount(), 2);
  const struct {
    const char* heading;
    const char* text;
  } wanted[] = {
      {"Description", "Support Contract (monthly): Tessaline 2"},
      {"Qty", "2"},
      {"Unit price (ZAR)", "236.84"},
      {"VAT", "14%"},
      {"Amount (ZAR)", "473.68"},
  };
  ASSERT_EQ(heard->columnCount(), static_cast<int>(std::size(wanted)));
  for (int column = 0; column < heard->columnCount(); ++column) {
    QAccessibleTableCellInterface* cell = heard->cellAt(1, column)->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    const QList<QAccessibleInterface*> headings = cell->columnHeaderCells();
    ASSERT_EQ(headings.size(), 1) << column;
    EXPECT_EQ(headings[0]->text(QAccessible::Name).toStdString(), wanted[column].heading);
    // Qt makes the heading cells for the caller and keeps no hold of them: given to its cache,
    // they are freed.
    for (QAccessibleInterface* heading : headings) {
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(heading));
    }
    EXPECT_TRUE(heard->cellAt(1, column)
                    ->text(QAccessible::Name)
                    .startsWith(QLatin1String(wanted[column].text)))
        << heard->cellAt(1, column)->text(QAccessible::Name).toStdString();
  }
}

TEST_F(SheetWindowTest, AQuoteIsNumberedOnceRevisedWhenChangedAndReopensAsItWasSent) {
  AddLines(2);
  const QString first = CopiedNumber();
  ASSERT_FALSE(first.isEmpty()) << QGuiApplication::clipboard()->text().toStdString();
  EXPECT_EQ(CopiedNumber(), first);  // handed on again unchanged: the same quote
  const Quotation sent = window_->Sheet().Document({});
  EXPECT_EQ(sent.customer.company, "Cash customer");  // the answer to "Who is it for?"

  // A changed quote goes out again as the number's next revision; the first stays as it was.
  Find<QLineEdit>(window_.get(), "txtCustomer")->setText(QStringLiteral("Bell"));
  QTest::keyClick(Find<QLineEdit>(window_.get(), "txtCustomer"), Qt::Key_S);
  EXPECT_EQ(CopiedNumber(), first);
  EXPECT_EQ(window_->Sheet().Revision(), 2);
  EXPECT_EQ(register_.Find(ToStdString(first), 1), sent);
  EXPECT_EQ(register_.Find(ToStdString(first)).customer.company, "Bells");
  EXPECT_EQ(register_.Customers("bell").size(), 1u);

  window_->ShowQuotes();
  QuotesWindow* quotes = window_->Quotes();
  ASSERT_NE(quotes, nullptr);
  auto* table = Find<QTableView>(quotes, "tblQuotes");
  EXPECT_EQ(table->model()->rowCount(), 1);  // the newest revision of the one number
  QTest::keyClicks(Find<QLineEdit>(quotes, "txtFind"), first.right(4));
  ASSERT_EQ(table->model()->rowCount(), 1);
  QTest::keyClick(Find<QLineEdit>(quotes, "txtFind"), Qt::Key_Return);
  EXPECT_EQ(ToQString(window_->Sheet().Number()), first);
  EXPECT_EQ(window_->Sheet().Lines(), sent.lines);
  EXPECT_EQ(CopiedNumber(), first);  // printed again under its own number

  QTest::mouseClick(Find(window_.get(), "cmdAsNew"), Qt::LeftButton);
  EXPECT_EQ(window_->Sheet().Number(), "");
  EXPECT_GT(CopiedNumber(), first);
  EXPECT_TRUE(questions_.isEmpty());  // the same book: nothing to price again
  EXPECT_TRUE(messages_.seen.empty());
}

// Without a customer the quote is not numbered; a declined quote is not sent again unchanged.
TEST_F(SheetWindowTest, ANumberNeedsACustomerAndADeclinedQuoteStaysDeclined) {
  AddLines(1);
  customerAnswer_.reset();
  window_->CopyQuote();
  EXPECT_EQ(window_->Sheet().Number(), "");
  EXPECT_TRUE(window_->Status().contains(QStringLiteral("only with a customer")))
      << window_->Status().toStdString();
  EXPECT_TRUE(register_.Entries({}).empty());

  customerAnswer_ = QStringLiteral("Tarn Systems");
  const QString number = CopiedNumber();
  ASSERT_FALSE(number.isEmpty());
  register_.SetStatus(ToStdString(number), 1, QuoteStatus::Declined, window_->Sheet().Date());
  window_->OpenQuote(ToStdString(number));
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  window_->CopyQuote();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
  EXPECT_TRUE(window_->Status().contains(QStringLiteral("declined")))
      << window_->Status().toStdString();
}

// Under a German or South African desktop every word of the sheet, the copied quote and the PDF
// stays English; only the number format follows the desktop.
TEST_F(SheetWindowTest, EveryWordIsEnglishWhateverTheDesktopsLanguage) {
  const QStringList foreign = {
      QStringLiteral("Januar"),  QStringLiteral("Februar"),  QStringLiteral("März"),
      QStringLiteral("Mai "),    QStringLiteral("Juni"),     QStringLiteral("Juli"),
      QStringLiteral("Oktober"), QStringLiteral("Dezember"), QStringLiteral("Seite"),
      QStringLiteral("MwSt"),    QStringLiteral("Summe"),    QStringLiteral("Januarie")};
  for (const QLocale& desktop : {QLocale(QLocale::German, QLocale::Germany),
                                 QLocale(QLocale::Afrikaans, QLocale::SouthAfrica)}) {
    SCOPED_TRACE(desktop.name().toStdString());
    QLocale::setDefault(desktop);
    Open();
    AddLines(2);
    customerAnswer_ = QStringLiteral("Bell");
    window_->CopyQuote();
    const QString path = data_.filePath(desktop.name() + QStringLiteral(".pdf"));
    ASSERT_TRUE(window_->WritePdf(path));
    QString shown = QGuiApplication::clipboard()->text() + PdfPages(path).join(u' ');
    for (const QWidget* widget : window_->findChildren<QWidget*>()) {
      if (const auto* edit = qobject_cast<const QDateEdit*>(widget)) shown += edit->text();
      if (const auto* label = qobject_cast<const QLabel*>(widget)) shown += label->text();
    }
    for (const QString& word : foreign) {
      const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(word.trimmed()));
      EXPECT_FALSE(shown.contains(whole)) << word.toStdString();
    }
    EXPECT_TRUE(shown.contains(QStringLiteral("Valid until"))) << shown.toStdString();
  }
  QLocale::setDefault(QLocale::c());
}

// A hand-over that fails takes no number and leaves the quote unsent: the next that goes out is
// the first number.
TEST_F(SheetWindowTest, AFailedSaveNumbersNothing) {
  AddLines(1);
  EXPECT_FALSE(window_->WritePdf(data_.filePath(QStringLiteral("missing/quote.pdf"))));
  ASSERT_EQ(messages_.seen.size(), 1u);
  EXPECT_NE(messages_.seen[0].find("No such file or directory"), std::string::npos)
      << messages_.seen[0];
  EXPECT_EQ(window_->Sheet().Number(), "");
  EXPECT_TRUE(window_->Sheet().HasUnsentLines());
  EXPECT_TRUE(register_.Entries({}).empty());
  EXPECT_TRUE(window_->WritePdf(data_.filePath(QStringLiteral("quote.pdf"))));
  EXPECT_TRUE(window_->Sheet().Number().ends_with("-0001")) << window_->Sheet().Number();
}

// A register that cannot be used is said once in the status line; the quote still goes out,
// unnumbered, and the lines stay on the sheet until it can take them again.
TEST_F(SheetWindowTest, ARegisterThatCannotBeUsedIsSaidOnceAndTheLinesStay) {
  register_.locked = true;
  AddLines(1);
  const QString said = window_->Status();
  EXPECT_TRUE(said.contains(QStringLiteral("locked"))) << said.toStdString();
  AddLines(1);
  EXPECT_EQ(window_->Status(), said);  // not said again
  window_->CopyQuote();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Quotation\n")));
  EXPECT_TRUE(window_->Status().contains(QStringLiteral("not kept")))
      << window_->Status().toStdString();
  EXPECT_EQ(window_->Sheet().Lines().size(), 2u);
  EXPECT_TRUE(messages_.seen.empty());

  register_.locked = false;
  AddLines(1);
  ASSERT_TRUE(register_.Draft());
  EXPECT_EQ(register_.Draft()->lines.size(), 3u);
}

// Every change is the register's draft: a window opened later puts it back as it was.
TEST_F(SheetWindowTest, TheDraftComesBackInTheNextWindow) {
  AddLines(3);
  Find<QLineEdit>(window_.get(), "txtCustomer")->setText(QStringLiteral("Bell"));
  QTest::keyClicks(Find<QLineEdit>(window_.get(), "txtReference"), QStringLiteral("PO-4711"));
  QTest::keyClicks(Find<QLineEdit>(window_.get(), "txtContact"), QStringLiteral("Ada"));
  const std::vector<QuoteLine> lines = window_->Sheet().Lines();
  Open();
  EXPECT_TRUE(window_->Sheet().Empty());
  ASSERT_TRUE(window_->RestoreDraft());
  EXPECT_EQ(window_->Sheet().Lines(), lines);
  EXPECT_EQ(window_->Sheet().Reference(), "PO-4711");
  EXPECT_EQ(window_->Sheet().Buyer().contact, "Ada");
  EXPECT_EQ(Find<QLineEdit>(window_.get(), "txtContact")->text(), QStringLiteral("Ada"));
  EXPECT_TRUE(window_->Sheet().HasUnsentLines());
  window_->DiscardDraft();
  EXPECT_FALSE(register_.Draft());
}

// Lines priced at 14 % keep their rate beside lines a 15 % book prices later: one VAT row per rate,
// each the rate of its own lines.
TEST_F(SheetWindowTest, ANewBookAsksOnceAndEachRateHasItsRow) {
  AddLines(2);
  const QString number = CopiedNumber();
  auto at15 = ContractBook(VatRate{1500});
  at15->effectiveDate = EffectiveDate{2026, 3, 1};
  at15->SupportPrice.Set(1, Money::fromDecimal("250.00"));
  at15->SupportItem.Set(2, "");  // the second contract is no longer sold
  window_->SetPriceBook(*at15);
  ASSERT_EQ(questions_.size(), 1);
  EXPECT_EQ(questions_[0],
            QStringLiteral("Re-price the 2 lines at Corvane (1 March 2026)'s prices, "
                           "or keep the prices they were given?"));
  EXPECT_EQ(window_->Sheet().Lines()[0].vat, VatRate{1400});  // kept: the default answer
  window_->Add(Contract(3));
  window_->CopyQuote();
  const QString text = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(text.contains(QStringLiteral("VAT 14% on 473.68: 66.32"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("VAT 15% on 236.84: 35.53"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Total incl. VAT (ZAR): 812.37"))) << text.toStdString();
  EXPECT_TRUE(text.startsWith(QStringLiteral("Quotation ") + number)) << text.toStdString();

  // Priced again: the changed price notes the old one, the contract no longer sold keeps its
  // price and is named in one message.
  repriceAnswer_ = true;
  window_->SetPriceBook(*book_);
  window_->SetPriceBook(*at15);
  ASSERT_EQ(questions_.size(), 3);
  EXPECT_EQ(window_->Sheet().Lines()[0].unitPrice, Money::fromDecimal("250.00"));
  EXPECT_EQ(window_->Sheet().Lines()[0].earlierUnitPrice, Money::fromDecimal("236.84"));
  EXPECT_TRUE(window_->Sheet().Lines()[1].keptPrice);
  ASSERT_EQ(messages_.seen.size(), 1u);
  EXPECT_EQ(messages_.seen[0],
            "Corvane (1 March 2026) cannot price this line, which keeps the price it was "
            "given:\nSupport Contract (monthly): Tessaline 2");
}

// The dealer's own currency no longer relabels amounts; said once, the first time.
TEST_F(SheetWindowTest, TheDealersOldCurrencyIsIgnoredAndSaidOnce) {
  DealerDetails dealer = LoadDealerDetails(*ProgramSettings());
  dealer.currency = "USD";
  SaveDealerDetails(*ProgramSettings(), dealer);
  Open();
  EXPECT_TRUE(window_->Status().contains(QStringLiteral("\"USD\" is no longer used")))
      << window_->Status().toStdString();
  AddLines(1);
  window_->CopyQuote();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("(ZAR)")));
  EXPECT_FALSE(QGuiApplication::clipboard()->text().contains(QStringLiteral("USD")));
  Open();
  EXPECT_FALSE(window_->Status().contains(QStringLiteral("USD")));
  dealer.currency.clear();
  SaveDealerDetails(*ProgramSettings(), dealer);
}

TEST_F(SheetWindowTest, ClearAsksFirstAndAnEmptyQuoteSaysWhyNothingGoesOut) {
  window_->CopyQuote();
  EXPECT_TRUE(window_->Status().contains(QStringLiteral("no lines")));
  AddLines(3);
  AnswerNextQuestion(QMessageBox::Cancel);
  QTest::mouseClick(Find(window_.get(), "cmdClear"), Qt::LeftButton);
  EXPECT_EQ(window_->Sheet().Lines().size(), 3u);
  AnswerNextQuestion(QMessageBox::Yes);
  QTest::mouseClick(Find(window_.get(), "cmdClear"), Qt::LeftButton);
  EXPECT_TRUE(window_->Sheet().Empty());
}

// What the dialog shows is what it gives back, and what is saved is what is read again; a
// validity outside 1..365 days in the file reads as the default.
TEST(DealerDetails, AreKeptAsTheDialogHoldsThem) {
  DealerDetails dealer;
  dealer.companyName = "Tarn Systems (Pty) Ltd";
  dealer.address = "12 Main Road\nCape Town 8001";
  dealer.vatNumber = "4123456789";
  dealer.telephone = "021 555 0100";
  dealer.email = "sales@tarn.example";
  dealer.numberPrefix = "TS/";
  dealer.validityDays = 14;
  dealer.terms = "Payment within 30 days.\nDelivery within a week.";
  dealer.currency = "USD";
  EXPECT_EQ(DealerDetailsDialog(dealer, QString(), nullptr).Details(), dealer);
  const std::unique_ptr<QSettings> settings = ProgramSettings();
  SaveDealerDetails(*settings, dealer);
  EXPECT_EQ(LoadDealerDetails(*ProgramSettings()), dealer);
  for (const QVariant& days : {QVariant(0), QVariant(366), QVariant(QStringLiteral("many"))}) {
    settings->setValue(QStringLiteral("Dealer/validityDays"), days);
    EXPECT_EQ(LoadDealerDetails(*settings).validityDays, kDefaultValidityDays)
        << days.toString().toStdString();
  }
}

// Where the settings cannot be written (here their folder's name is taken by a file), OK says so
// in the dialog's status line and leaves the dialog open with what was typed; Cancel then leaves
// the details as they were.
TEST(DealerDetails, ASaveThatFailsKeepsTheDialogOpen) {
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  QFile blocker(config.filePath(QStringLiteral("Corvane")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QString status;
  QString typed;
  bool stayedOpen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<DealerDetailsDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtCompanyName"));
    name->setText(QStringLiteral("Kloof Software"));
    dialog->accept();
    stayedOpen = dialog->isVisible();
    status = dialog->Status();
    typed = name->text();
    dialog->reject();
  });
  const DealerDetails inForce = EditDealerDetails(nullptr);
  qputenv("XDG_CONFIG_HOME", previous);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(typed, QStringLiteral("Kloof Software"));
  EXPECT_TRUE(
      status.startsWith(QStringLiteral("The dealer details were not kept: the settings file ") +
                        config.filePath(QStringLiteral("Corvane/corvane-crossgrade.conf")) +
                        QStringLiteral(" cannot be written: ")))
      << status.toStdString();
  EXPECT_EQ(inForce, DealerDetails{});
}

}  // namespace
}  // namespace corvane
