// The Quotes window over a real register: the count under every filter, the answer with its day,
// the revisions, the customers, the export of the list shown, and a quote kept by another desk
// listed without a hand on the window.
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "register/qt/quotes_window.h"
#include "register/qt/sqlite_register.h"
#include "register/qt/tests/register_test_support.h"

namespace corvane {
namespace {

class QuotesWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    quotes_ = OpenSqliteRegister(folder_.filePath(QStringLiteral("quotes.sqlite")));
    const QuoteDate today = Today();
    for (const char* customer : {"Müller GmbH", "Ångström AB", "Bell & Sons"}) {
      Quotation q = TestQuotation(2, customer);
      q.date = today - std::chrono::days(5);
      q.validUntil = today + std::chrono::days(25);
      kept_.push_back(quotes_->Keep(q));
    }
    Quotation lapsed = TestQuotation(1, "Old Customer");
    lapsed.date = today - std::chrono::days(90);
    lapsed.validUntil = today - std::chrono::days(60);
    quotes_->Keep(lapsed);
    Quotation revised = kept_[0];
    revised.reference = "PO-4712";
    quotes_->Keep(revised);
    window_ = std::make_unique<QuotesWindow>(
        *quotes_, Separators{}, [this](const std::string& n) { opened_ = n; }, nullptr);
  }
  static QuoteDate Today() {
    const QDate d = QDate::currentDate();
    return QuoteDate{std::chrono::year_month_day{
        std::chrono::year(d.year()), std::chrono::month(static_cast<unsigned>(d.month())),
        std::chrono::day(static_cast<unsigned>(d.day()))}};
  }
  template <typename T>
  T* Find(const char* name) const {
    return window_->findChild<T*>(QString::fromLatin1(name));
  }
  QString Count() const { return Find<QLabel>("lblQuotesStatus")->text(); }

  QTemporaryDir folder_;
  std::unique_ptr<SqlQuoteRegister> quotes_;
  std::vector<Quotation> kept_;
  std::unique_ptr<QuotesWindow> window_;
  std::string opened_;
};

TEST_F(QuotesWindowTest, CountsRightUnderEveryFilter) {
  auto* find = Find<QLineEdit>("txtFind");
  auto* status = Find<QComboBox>("cboStatus");
  EXPECT_EQ(Count(), QStringLiteral("4 quotes"));
  const struct {
    const char* text;
    const char* status;
    const char* count;
  } cases[] = {
      {"muller", "All", "1 quote"},  {"angstrom", "All", "1 quote"},
      {"", "Expired", "1 quote"},    {"", "Sent", "3 quotes"},
      {"", "Accepted", "0 quotes"},  {"muller", "Expired", "0 quotes"},
      {"po-4712", "All", "1 quote"}, {"q-2026-1", "All", "1 quote"},
  };
  for (const auto& c : cases) {
    find->setText(QString::fromUtf8(c.text));
    status->setCurrentText(QString::fromLatin1(c.status));
    EXPECT_EQ(Count(), QString::fromLatin1(c.count)) << c.text << " " << c.status;
  }
  find->clear();
  status->setCurrentText(QStringLiteral("All"));
  Find<QDateEdit>("dtFrom")->setDate(QDate::currentDate().addDays(-10));
  EXPECT_EQ(Count(), QStringLiteral("3 quotes"));
}

TEST_F(QuotesWindowTest, MarksTheSelectedQuoteAcceptedOnTheDayAndShowsItsRevisions) {
  Find<QLineEdit>("txtFind")->setText(QStringLiteral("muller"));
  EXPECT_EQ(Find<QListWidget>("lstHistory")->count(), 2);
  EXPECT_TRUE(Find<QListWidget>("lstHistory")
                  ->item(0)
                  ->text()
                  .startsWith(QString::fromStdString(kept_[0].number + " rev. 2")));
  const QDate day(2026, 12, 14);
  Find<QDateEdit>("dtAnswered")->setDate(day);
  Find<QPushButton>("cmdAccepted")->click();
  const RegisterEntry entry = quotes_->History(kept_[0].number)[0];
  EXPECT_EQ(entry.status, QuoteStatus::Accepted);
  EXPECT_EQ(entry.statusDate,
            (QuoteDate{std::chrono::year_month_day{std::chrono::year(2026), std::chrono::December,
                                                   std::chrono::day(14)}}));
  Find<QComboBox>("cboStatus")->setCurrentText(QStringLiteral("Accepted"));
  EXPECT_EQ(Count(), QStringLiteral("1 quote"));
  Find<QPushButton>("cmdOpenQuote")->click();
  EXPECT_EQ(opened_, kept_[0].number);
}

TEST_F(QuotesWindowTest, ListsCustomersAndExportsTheListShown) {
  auto* customers = Find<QTableView>("tblCustomers");
  EXPECT_EQ(customers->model()->rowCount(), 4);
  Find<QLineEdit>("txtFindCustomer")->setText(QStringLiteral("ANGSTROM"));
  EXPECT_EQ(customers->model()->rowCount(), 1);

  Find<QComboBox>("cboStatus")->setCurrentText(QStringLiteral("Sent"));
  const QString csv = folder_.filePath(QStringLiteral("listed.csv"));
  window_->ExportListed(csv);
  QFile file(csv);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  // The heading, the two revisions of the first quote and the two others Sent.
  EXPECT_EQ(file.readAll().count('\n'), 5);
}

TEST_F(QuotesWindowTest, ListsAQuoteKeptByAnotherDeskWithoutAHandOnTheWindow) {
  window_->show();
  auto other = OpenSqliteRegister(folder_.filePath(QStringLiteral("quotes.sqlite")));
  other->Keep(TestQuotation(1, "Colleague's Customer"));
  QTRY_COMPARE_WITH_TIMEOUT(Count(), QStringLiteral("5 quotes"), 10000);
}

}  // namespace
}  // namespace corvane
