// The step after the price: copying it, collecting lines on the quote sheet, saving the quote as
// a PDF, and closing with lines not yet handed on.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include <functional>
#include <utility>

#include "pricebook/effective_date.h"
#include "qt/program_settings.h"
#include "qt/qt_text.h"
#include "qt/tests/small_disk.h"
#include "sheet/qt/dealer_settings.h"
#include "sheet/qt/quote_sheet_window.h"
#include "window/qt/quote_actions.h"
#include "window/qt/tests/window_fixture.h"

namespace corvane {
namespace {

using testing::EarlierFile;
using testing::FillUp;
using testing::SmallDisk;

// Answers each message box shown while it exists with one button, noting the texts.
class MessageBoxAnswer {
 public:
  explicit MessageBoxAnswer(QMessageBox::StandardButton answer) {
    QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || box->button(answer) == nullptr) return;
      seen.push_back(box->text());
      box->button(answer)->click();
    });
    timer_.start(10);
  }
  QStringList seen;

 private:
  QTimer timer_;
};

class QuoteSheetTest : public WindowTest {
 protected:
  // "Windows HB 1" to "Windows HB 3" at "10%", with the focus left in the discount field.
  void QuoteCrossGrade() {
    ChooseWithMouse("Combo1", 2);
    ChooseWithMouse("Combo2", 2);
    ChooseWithMouse("Combo3", 2);
    ASSERT_EQ(Shown("txtExclPrice"), "1,440.00");
    Find<QComboBox>("Combo3")->setFocus();
    Find<QComboBox>("Combo3")->lineEdit()->deselect();
  }
  void ChooseItem(const char* modeButton, int position) {
    QTest::mouseClick(Find(modeButton), Qt::LeftButton);
    auto* list = Find<QListWidget>("List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(position)).center());
  }
  static void AddToQuote() { Press(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier); }
  //! The sheet, which numbers a quote without a customer as a cash customer's.
  QuoteSheetWindow& Sheet() {
    QuoteSheetWindow& sheet = *window_->Quote().Sheet();
    sheet.SetCustomerQuestion([] { return QStringLiteral("Cash customer"); });
    return sheet;
  }
  //! The words of a PDF as they read, whatever the lines they were set on; the "ff" of "Eff" is
  //! set as one glyph, which compatibility normalisation spells out again.
  static QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-raw"), path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(10000));
    EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .simplified();
  }
  std::string Total(const char* name) {
    return Sheet().findChild<QLabel*>(QLatin1String(name))->text().toStdString();
  }
};

TEST_F(QuoteSheetTest, TheMenuListsEachActionWithItsShortcut) {
  QStringList entries;
  for (QAction* action : window_->Quote().MenuActions()) {
    entries << action->text();
  }
  EXPECT_EQ(
      entries,
      QStringList(
          {QStringLiteral("Copy pr&ice\tCtrl+C"), QStringLiteral("&Add to quote\tCtrl+Shift+A"),
           QStringLiteral("S&how quote sheet\tCtrl+Shift+O"),
           QStringLiteral("Save price &list as PDF...\tCtrl+Shift+L"), QStringLiteral("&Quotes..."),
           QStringLiteral("&Dealer details..."), QStringLiteral("&Open price book..."),
           QStringLiteral("Use the &built-in price book"),
           QStringLiteral("Price boo&k in use...")}));
  EXPECT_EQ(window_->Quote().Sheet(), nullptr);  // nothing is built before it is used
}

TEST_F(QuoteSheetTest, CtrlCCopiesThePriceShownOrTheSelectedText) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(QStringLiteral("before"));
  {  // The boxes are empty: no earlier price stays to be pasted, and the dealer is told.
    MessageBoxCloser closer;
    Press(Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(closer.seen.size(), 1u);
    EXPECT_TRUE(closer.seen[0].text.startsWith(QStringLiteral("No price is shown")));
    EXPECT_EQ(clipboard->text().toStdString(), "");
    window_->Quote().AddToQuote();
    ASSERT_EQ(closer.seen.size(), 2u);
    EXPECT_TRUE(closer.seen[1].text.contains(QStringLiteral("nothing was added to the quote")));
    EXPECT_EQ(window_->Quote().Sheet(), nullptr);
  }
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));

  QuoteCrossGrade();
  Press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text().toStdString(),
            "Cross-grade from Windows HB 1 to Windows HB 3, discount 10%: 1,440.00 excl. "
            "VAT, 1,641.60 incl. VAT (VAT 14%)");
  const QString html = clipboard->mimeData()->html();
  EXPECT_TRUE(html.contains(QStringLiteral("<table"))) << html.toStdString();
  EXPECT_TRUE(html.contains(QStringLiteral(">1,641.60</td>"))) << html.toStdString();

  Find<QComboBox>("Combo3")->lineEdit()->selectAll();
  Press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text().toStdString(), "10%");
}

TEST_F(QuoteSheetTest, ThreeLinesAddUpAndSaveAsAPdf) {
  QuoteCrossGrade();
  AddToQuote();
  ChooseItem("cmdSupport", 0);  // Support Contract (monthly): Tessaline 1
  AddToQuote();
  ChooseItem("cmdOther", 0);  // Multi-Warehouse - Win.Tessaline 1 User
  AddToQuote();
  const QStringList descriptions = {
      QStringLiteral("Cross-grade from Windows HB 1 to Windows HB 3"),
      QStringLiteral("Support Contract (monthly): Tessaline 1"),
      QStringLiteral("Other item Multi-Warehouse - Win.Tessaline 1 User")};
  auto* table = Sheet().findChild<QTableWidget*>(QStringLiteral("tblLines"));
  ASSERT_EQ(table->rowCount(), 3);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(table->item(row, 0)->text(), descriptions[row]);
  EXPECT_EQ(Total("lblTotalExcl"), "4,624.21");
  EXPECT_EQ(Total("lblTotalIncl"), "5,271.60");
  EXPECT_EQ(Total("lblVat"), "647.39");

  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("quote.pdf"));
  Sheet().SetFileChooser([path] { return path; });
  QTest::mouseClick(Sheet().findChild<QWidget*>(QStringLiteral("cmdSavePdf")), Qt::LeftButton);
  const QString text = PdfText(path);
  QStringList expected = descriptions;
  expected << QStringLiteral("Quotation") << ToQString(Sheet().Sheet().Number())
           << QStringLiteral("Total excl. VAT (ZAR) 4,624.21")
           << QStringLiteral("Total incl. VAT (ZAR) 5,271.60")
           << QStringLiteral("VAT 14% on 4,624.21 647.39") << QStringLiteral("Valid until")
           << QStringLiteral("Page 1 of 1");
  for (const QString& part : expected) {
    EXPECT_TRUE(text.contains(part)) << part.toStdString() << "\nin\n" << text.toStdString();
  }
  EXPECT_FALSE(text.contains(QStringLiteral("subject to change"))) << text.toStdString();
  EXPECT_FALSE(Sheet().Sheet().Number().empty());

  // Saved: closing asks nothing.
  MessageBoxAnswer answer(QMessageBox::Cancel);
  window_->close();
  EXPECT_TRUE(answer.seen.isEmpty());
  EXPECT_FALSE(window_->isVisible());
}

// The price list at the discount the field shows, through the same code as corvane-pricelist.
TEST_F(QuoteSheetTest, SavesThePriceListAtTheDiscountShown) {
  QuoteCrossGrade();
  // The list is the dealer's: its title names the company the dealer details give.
  DealerDetails dealer;
  dealer.companyName = "Tarn & Sons";
  SaveDealerDetails(*ProgramSettings(), dealer);
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QString path = folder.filePath(QStringLiteral("prices.pdf"));
  window_->Quote().SetPriceListFileChooser([&path] { return path; });
  Press(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
  SaveDealerDetails(*ProgramSettings(), DealerDetails{});
  const QString text = PdfText(path);
  EXPECT_TRUE(text.contains(QStringLiteral("Corvane Price List - Tarn & Sons")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("10%"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Windows HB 3 1,440.00 1,641.60")))
      << text.toStdString();

  MessageBoxCloser closer;
  path = folder.filePath(QStringLiteral("no such folder/prices.pdf"));
  Press(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(closer.seen.size(), 1u);
  EXPECT_TRUE(closer.seen[0].text.startsWith(QStringLiteral("The price list could not be saved")));
}

// On a full disk the quote and the price list each leave the earlier file as it was and say why.
TEST_F(QuoteSheetTest, SavingOnAFullDiskKeepsTheEarlierFile) {
  const QString disk = SmallDisk();
  if (disk.isEmpty()) GTEST_SKIP() << "run through on_small_disk.sh";
  QuoteCrossGrade();
  AddToQuote();
  const QString path = QDir(disk).filePath(QStringLiteral("earlier.pdf"));
  {
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    ASSERT_EQ(earlier.write(EarlierFile()), EarlierFile().size());
  }
  FillUp(disk);
  Sheet().SetFileChooser([path] { return path; });
  window_->Quote().SetPriceListFileChooser([path] { return path; });
  // The sheet's "Save as PDF..." and the window's Ctrl+Shift+L.
  const std::pair<QString, std::function<void()>> saves[] = {
      {QStringLiteral("The quote could not be saved"), [this] { Sheet().SaveAsPdf(); }},
      {QStringLiteral("The price list could not be saved"),
       [this] { window_->Quote().SavePriceList(); }}};
  for (const auto& [message, save] : saves) {
    SCOPED_TRACE(message.toStdString());
    MessageBoxCloser closer;
    save();
    ASSERT_EQ(closer.seen.size(), 1u);
    EXPECT_TRUE(closer.seen[0].text.startsWith(message));
    EXPECT_TRUE(closer.seen[0].text.endsWith(QStringLiteral(": No space left on device.")))
        << closer.seen[0].text.toStdString();
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), EarlierFile());
  }
  EXPECT_TRUE(Sheet().Sheet().HasUnsentLines());
}

TEST_F(QuoteSheetTest, ClosingWithLinesNotHandedOnAsksOnce) {
  {  // An empty sheet: closing stays immediate.
    window_->Quote().ShowSheet();
    MessageBoxAnswer answer(QMessageBox::Cancel);
    QTest::mouseClick(Find("cmdClose"), Qt::LeftButton);
    EXPECT_TRUE(answer.seen.isEmpty());
    EXPECT_FALSE(window_->isVisible());
    EXPECT_FALSE(Sheet().isVisible());
  }
  SetUp();
  QuoteCrossGrade();
  AddToQuote();
  {
    MessageBoxAnswer answer(QMessageBox::Cancel);
    QTest::mouseClick(Find("cmdClose"), Qt::LeftButton);
    EXPECT_EQ(answer.seen.size(), 1);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(Sheet().Sheet().Lines().size(), 1u);
  }
  {
    MessageBoxAnswer answer(QMessageBox::Discard);
    window_->close();
    EXPECT_EQ(answer.seen.size(), 1);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_FALSE(Sheet().isVisible());
  }
}

}  // namespace
}  // namespace corvane
