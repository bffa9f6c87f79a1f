// The window with a price book of its own: its prices, VAT rate, telephone number and date in
// every place that names them; a broken book that leaves the window's book as it was; and the
// book remembered from one run to the next.
#include <QClipboard>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>

#include <fstream>

#include "pricebook/price_book_file.h"
#include "qt/program_settings.h"
#include "sheet/qt/quote_sheet_window.h"
#include "window/headless/headless_controls.h"
#include "window/qt/price_book_actions.h"
#include "window/qt/quote_actions.h"
#include "window/qt/tests/window_fixture.h"

namespace corvane {
namespace {

class PriceBookTest : public WindowTest {
 protected:
  void SetUp() override {
    ProgramSettings()->remove(QStringLiteral("priceBook"));
    ASSERT_TRUE(folder_.isValid());
    WindowTest::SetUp();
  }

  // The built-in book at 15 % VAT, dated 1 March 2013, "Windows HB 1" at 5000, its own number.
  static PriceBook Book2013() {
    PriceBook book = FillPriceBook();
    book.effectiveDate = EffectiveDate{2013, 3, 1};
    book.vat = VatRate{1500};
    book.vendorPhone = "021 555 0100";
    book.PackagePrice.Set(4, Money::fromInt32(5000));
    return book;
  }
  QString Write(const char* name, const std::string& text) const {
    const QString path = folder_.filePath(QLatin1String(name));
    std::ofstream(path.toStdString(), std::ios::binary) << text;
    return path;
  }
  //! A window as the next run opens it: the built-in book, then the start-up choice.
  void Restart() {
    Open(FillPriceBook());
    window_->RouteMessagesTo(&messages_);
    window_->Books().OpenAtStart({});
    QApplication::processEvents();
  }
  QString Footnote() const { return Find<QLabel>("Label6")->text(); }
  // A book the reader refuses only after the parser has read far into it.
  static std::string BeyondADouble(const PriceBook& book) {
    std::string text = PriceBookJson(book);
    return text.replace(text.find("\"vat_percent\": 15"), 18,
                        "\"vat_percent\": 5e99999999999999999999");
  }

  QTemporaryDir folder_;
  RecordingMessageSink messages_;
};

TEST_F(PriceBookTest, PricesFromTheBookOpenedAndNamesItsRateNumberAndDate) {
  window_->RouteMessagesTo(&messages_);
  const QString path = Write("2013.json", PriceBookJson(Book2013()));
  ASSERT_TRUE(window_->Books().Open(path));
  EXPECT_TRUE(Footnote().endsWith(QStringLiteral("Eff:  1 March 2013")))
      << Footnote().toStdString();
  EXPECT_TRUE(window_->Books().Description().contains(QStringLiteral("VAT: 15 %")));

  ChooseWithMouse("Combo1", 2);  // Windows HB 1, new
  EXPECT_EQ(Shown("txtExclPrice"), "5,000.00");
  EXPECT_EQ(Shown("txtInclPrice"), "5,750.00");
  window_->Quote().AddToQuote();
  QuoteSheetWindow& sheet = *window_->Quote().Sheet();
  QStringList captions;
  for (const QLabel* label : sheet.findChildren<QLabel*>()) captions << label->text();
  EXPECT_TRUE(captions.contains(QStringLiteral("VAT 15% on 5,000.00:")))
      << captions.join(u'|').toStdString();
  sheet.SetCustomerQuestion([] { return QStringLiteral("Cash customer"); });
  sheet.CopyQuote();
  const QString copied = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(copied.contains(QStringLiteral("\nVAT 15% on 5,000.00: 750.00\n")))
      << copied.toStdString();

  auto* to = Find<QComboBox>("Combo2");  // to Windows Tessaline 19, below the list's fold
  to->setCurrentIndex(to->findText(QStringLiteral("Windows Tessaline 19")));
  Q_EMIT to->activated(to->currentIndex());  // not in the database
  ChooseWithMouse("Combo1", 3);              // Windows HB 2 to Windows Tessaline 1: fewer terminals
  ChooseWithMouse("Combo2", 4);
  ASSERT_EQ(messages_.Warnings().size(), 2u);
  for (const std::string& warning : messages_.Warnings()) {
    EXPECT_NE(warning.find("contact Corvane on 021 555 0100."), std::string::npos) << warning;
  }
}

TEST_F(PriceBookTest, KeepsItsBookWhenTheOneOpenedIsBroken) {
  window_->RouteMessagesTo(&messages_);
  ASSERT_TRUE(window_->Books().Open(Write("2013.json", PriceBookJson(Book2013()))));
  const QString kept = window_->BookFile();
  const QString broken = Write("broken.json", "{\"vat_percent\": 15,}");
  EXPECT_FALSE(window_->Books().Open(broken));
  EXPECT_FALSE(window_->Books().Open(folder_.path()));
  ASSERT_EQ(messages_.Warnings().size(), 2u);
  EXPECT_NE(messages_.Warnings()[0].find(broken.toStdString() + ": line 1, column 20"),
            std::string::npos)
      << messages_.Warnings()[0];
  EXPECT_NE(messages_.Warnings()[1].find("is a directory"), std::string::npos);
  EXPECT_EQ(window_->BookFile(), kept);
  EXPECT_EQ(window_->Book().vat, VatRate{1500});
  ChooseWithMouse("Combo1", 2);
  EXPECT_EQ(Shown("txtInclPrice"), "5,750.00");
}

TEST_F(PriceBookTest, ABrokenBookOpenedLeavesTheSheetsLinesAndPricesAsTheyWere) {
  window_->RouteMessagesTo(&messages_);
  ASSERT_TRUE(window_->Books().Open(Write("2013.json", PriceBookJson(Book2013()))));
  ChooseWithMouse("Combo1", 2);  // Windows HB 1, new, at 5000
  window_->Quote().AddToQuote();
  const QuoteSheet& sheet = window_->Quote().Sheet()->Sheet();
  ASSERT_EQ(sheet.Lines().size(), 1u);

  const QString broken = Write("broken.json", BeyondADouble(Book2013()));
  const QString trailing = Write("trailing.json", PriceBookJson(FillPriceBook()) + '\0' + "{}");
  EXPECT_FALSE(window_->Books().Open(broken));
  EXPECT_FALSE(window_->Books().Open(trailing));
  ASSERT_EQ(messages_.Warnings().size(), 2u);
  EXPECT_NE(messages_.Warnings()[0].find(broken.toStdString() + ": line 3, column "),
            std::string::npos)
      << messages_.Warnings()[0];
  EXPECT_NE(messages_.Warnings()[1].find(trailing.toStdString() + ": line "), std::string::npos)
      << messages_.Warnings()[1];
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(window_->Book().vat, VatRate{1500});
  EXPECT_EQ(Shown("txtInclPrice"), "5,750.00");
  ASSERT_EQ(sheet.Lines().size(), 1u);
  EXPECT_TRUE(sheet.HasUnsentLines());
  EXPECT_EQ(sheet.Lines()[0].vat, VatRate{1500});
}

TEST_F(PriceBookTest, ARememberedBookThatWentBadIsDroppedOnceForTheBuiltInOne) {
  const QString path = Write("2013.json", PriceBookJson(Book2013()));
  ASSERT_TRUE(window_->Books().Open(path));
  Write("2013.json", BeyondADouble(Book2013()));

  Restart();
  EXPECT_TRUE(window_->BookFile().isEmpty());
  EXPECT_EQ(window_->Book().vat, VatRate{1400});
  ASSERT_EQ(messages_.Warnings().size(), 1u);
  EXPECT_NE(messages_.Warnings()[0].find(path.toStdString() + ": line 3, column "),
            std::string::npos)
      << messages_.Warnings()[0];

  messages_ = RecordingMessageSink();
  Restart();
  EXPECT_TRUE(messages_.Warnings().empty());
  EXPECT_EQ(window_->Book().vat, VatRate{1400});
}

TEST_F(PriceBookTest, TheNextRunOpensWithTheLastBookAndSaysOnceWhenItIsGone) {
  const QString path = Write("2013.json", PriceBookJson(Book2013()));
  ASSERT_TRUE(window_->Books().Open(path));

  Restart();
  EXPECT_EQ(window_->BookFile(), path);
  EXPECT_EQ(window_->Book().vat, VatRate{1500});
  EXPECT_TRUE(messages_.Warnings().empty());

  ASSERT_TRUE(QFile::remove(path));
  Restart();
  EXPECT_TRUE(window_->BookFile().isEmpty());
  EXPECT_EQ(window_->Book().vat, VatRate{1400});
  EXPECT_TRUE(Footnote().endsWith(QStringLiteral("Eff:  28 May 2012")));
  ASSERT_EQ(messages_.Warnings().size(), 1u);
  EXPECT_NE(messages_.Warnings()[0].find(path.toStdString() + ": no such file"), std::string::npos);

  messages_ = RecordingMessageSink();
  Restart();
  EXPECT_TRUE(messages_.Warnings().empty());
  EXPECT_TRUE(window_->BookFile().isEmpty());
}

}  // namespace
}  // namespace corvane
