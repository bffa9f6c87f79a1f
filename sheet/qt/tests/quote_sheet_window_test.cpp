// The quote sheet's window: the quotation as a PDF, numbers given once and kept in the register,
// reopening a quote as it was sent, a register that cannot be used, and clearing.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "money/shown_price.h"
#include "qt/program_settings.h"
#include "qt/qt_text.h"
#include "register/qt/quotes_window.h"
#include "register/qt/sql_quote_register.h"
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
        Separators{}, QuoteTerms{"14%", "ZAR", "28 May 2012", ""}, messages_, nullptr);
  }
  void AddLines(int count) {
    for (int i = 0; i < count; ++i) {
      window_->Add(
          PricedItem{"Support Contract (monthly): Tessaline " + std::to_string(i + 1),
                     PriceForDisplay(Money::fromDecimal("236.84"), Separators{}, VatRate{})});
    }
  }
  QString CopiedNumber() {
    window_->CopyQuote();
    const QString text = QGuiApplication::clipboard()->text();
    return QRegularExpression(QStringLiteral("^Quotation (Q-\\d{4}-\\d{4})\n"))
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
    SCOPED_TRACE(pages[i].toStdString());
    EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size())));
    EXPECT_TRUE(pages[i].contains(QStringLiteral("Description Qty Unit excl. VAT (ZAR)")));
    EXPECT_TRUE(pages[i].contains(QStringLiteral("Tessaline")));  // some lines on every page
    EXPECT_FALSE(pages[i].contains(QStringLiteral("subject to change")));
  }
  for (const QString& part :
       {QStringLiteral("Tarn Systems 12 Main Road Cape Town Tel: 021 555 0100"),
        QStringLiteral("Number: ") + number, QStringLiteral("Date: "),
        QStringLiteral("Valid until: "), QStringLiteral("Customer: Bell & Sons Ltd")}) {
    EXPECT_TRUE(pages.first().contains(part)) << part.toStdString();
  }
  for (const QString& part :
       {QStringLiteral("Tessaline 40 1 236.84 236.84 270.00"),
        QStringLiteral("Total excl. VAT (ZAR) 9,473.60"), QStringLiteral("VAT 14% (ZAR) 1,326.40"),
        QStringLiteral("Total incl. VAT (ZAR) 10,800.00"), QStringLiteral("Valid until "),
        QStringLiteral("Payment within 30 days of delivery.")}) {
    EXPECT_TRUE(pages.last().contains(part)) << part.toStdString();
  }
  EXPECT_TRUE(messages_.seen.empty());
}

TEST_F(SheetWindowTest, AQuoteIsNumberedOnceAndReopensAsItWasSent) {
  AddLines(2);
  window_->Sheet();
  const QString first = CopiedNumber();
  ASSERT_FALSE(first.isEmpty()) << QGuiApplication::clipboard()->text().toStdString();
  EXPECT_EQ(CopiedNumber(), first);  // handed on again unchanged: the same quote
  const Quotation sent = window_->Sheet().Document({}, {});

  // A changed quote is a new one.
  Find<QLineEdit>(window_.get(), "txtCustomer")->setText(QStringLiteral("Bell"));
  QTest::keyClick(Find<QLineEdit>(window_.get(), "txtCustomer"), Qt::Key_S);
  const QString second = CopiedNumber();
  EXPECT_GT(second, first);

  window_->ShowQuotes();
  QuotesWindow* quotes = window_->Quotes();
  ASSERT_NE(quotes, nullptr);
  auto* table = Find<QTableView>(quotes, "tblQuotes");
  EXPECT_EQ(table->model()->rowCount(), 2);
  EXPECT_EQ(table->model()->index(0, 0).data().toString(), second);  // newest first
  QTest::keyClicks(Find<QLineEdit>(quotes, "txtFind"), first.right(4));
  ASSERT_EQ(table->model()->rowCount(), 1);
  QTest::keyClick(Find<QLineEdit>(quotes, "txtFind"), Qt::Key_Return);
  EXPECT_EQ(ToQString(window_->Sheet().Number()), first);
  EXPECT_EQ(window_->Sheet().Lines(), sent.lines);
  EXPECT_EQ(window_->Sheet().Totals(), sent.totals);
  EXPECT_EQ(CopiedNumber(), first);  // printed again under its own number

  QTest::mouseClick(Find(window_.get(), "cmdAsNew"), Qt::LeftButton);
  EXPECT_EQ(window_->Sheet().Number(), "");
  EXPECT_GT(CopiedNumber(), second);
  EXPECT_TRUE(messages_.seen.empty());
}

// A register that cannot be used is said once; the quote still goes out, unnumbered, and the
// file is left exactly as it was.
TEST_F(SheetWindowTest, ARegisterThatCannotBeUsedIsReportedOnceAndLeftAlone) {
  const QString folder = data_.filePath(QStringLiteral("Corvane/corvane-crossgrade"));
  QDir().mkpath(folder);
  QFile file(folder + QStringLiteral("/quotes.sqlite"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  QByteArray random(8192, '\0');
  for (int i = 0; i < random.size(); ++i) random[i] = static_cast<char>((i * 7919 + 13) % 251);
  file.write(random);
  file.close();

  AddLines(1);
  window_->CopyQuote();
  window_->CopyQuote();
  ASSERT_EQ(messages_.seen.size(), 1u);
  EXPECT_NE(messages_.seen[0].find("quotes.sqlite"), std::string::npos) << messages_.seen[0];
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Quotation\n")));
  EXPECT_TRUE(window_->Status().contains(QStringLiteral("not kept")))
      << window_->Status().toStdString();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), random);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("quotes.sqlite")});
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
  EXPECT_EQ(DealerDetailsDialog(dealer, nullptr).Details(), dealer);
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
