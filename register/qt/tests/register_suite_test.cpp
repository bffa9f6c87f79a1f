// One suite for every register: SQLite, PostgreSQL (when CORVANE_TEST_POSTGRES names a server,
// as scripts/with-postgres does) and the register in memory the others are measured against.
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "quotation/quote_status.h"
#include "register/qt/open_register.h"
#include "register/qt/postgres_register.h"
#include "register/qt/tests/postgres_test_database.h"
#include "register/qt/tests/register_test_support.h"
#include "register/register_json.h"
#if __has_include("register/memory_quote_register.h")
#include "register/memory_quote_register.h"
#define CORVANE_HAS_MEMORY_REGISTER 1
#endif

namespace corvane {
namespace {

enum class Backend { SQLite, PostgreSQL, Memory };

class RegisterSuite : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    if (GetParam() == Backend::PostgreSQL && qEnvironmentVariableIsEmpty("CORVANE_TEST_POSTGRES")) {
      GTEST_SKIP() << "no PostgreSQL server (run under scripts/with-postgres)";
    }
#ifndef CORVANE_HAS_MEMORY_REGISTER
    if (GetParam() == Backend::Memory) GTEST_SKIP() << "no register in memory yet";
#endif
    ASSERT_TRUE(folder_.isValid());
  }

  //! A new, empty register; `which` tells several apart.
  std::unique_ptr<QuoteRegister> Make(int which = 0) {
    switch (GetParam()) {
      case Backend::SQLite:
        return OpenRegister(folder_.filePath(QStringLiteral("quotes-%1.sqlite").arg(which)));
      case Backend::PostgreSQL: {
        const QString server = qEnvironmentVariable("CORVANE_TEST_POSTGRES");
        // A database of the test's own, so that tests run at once never meet.
        QString name =
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
        name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
        const QString uri = FreshPostgresDatabase(
            server, QStringLiteral("t%1_%2").arg(name.left(50).toLower()).arg(which));
        return OpenRegister(uri);
      }
      case Backend::Memory:
#ifdef CORVANE_HAS_MEMORY_REGISTER
        return std::make_unique<MemoryQuoteRegister>();
#endif
        break;
    }
    return nullptr;
  }

  QTemporaryDir folder_;
};

std::vector<std::string> Numbers(const std::vector<RegisterEntry>& entries) {
  std::vector<std::string> numbers;
  for (const RegisterEntry& entry : entries) numbers.push_back(entry.number);
  return numbers;
}

TEST_P(RegisterSuite, KeepsAQuoteAndFindsItExactlyAsKept) {
  auto kept = Make();
  const Quotation quotation = TestQuotation(5);
  const Quotation numbered = kept->Keep(quotation);
  EXPECT_EQ(numbered.number, "Q-2026-0001");
  EXPECT_EQ(numbered.revision, 1);
  EXPECT_EQ(numbered.status, QuoteStatus::Sent);
  EXPECT_EQ(numbered.statusDate, quotation.date);
  EXPECT_EQ(numbered.lines, quotation.lines);
  EXPECT_EQ(kept->Find("Q-2026-0001"), numbered);
  EXPECT_EQ(kept->Find("Q-2026-0001", 1), numbered);
  const std::vector<RegisterEntry> entries = kept->Entries({});
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0], (RegisterEntry{"Q-2026-0001", 1, QuoteStatus::Sent, quotation.date,
                                       "Bell & Sons", "PO-4711", quotation.date,
                                       quotation.validUntil, quotation.totals.includingVat}));
  EXPECT_THROW(kept->Find("Q-2026-0002"), RegisterError);
  EXPECT_THROW(kept->Find("Q-2026-0001", 2), RegisterError);
  EXPECT_FALSE(kept->ReadOnly());
}

// Ten-thousandths of amounts above 214,748.36 do not fit 32 bits.
TEST_P(RegisterSuite, KeepsAmountsBeyondThirtyTwoBits) {
  auto kept = Make();
  Quotation large = TestQuotation(1);
  large.lines[0].listPrice = Money::fromTenThousandths(9'999'999'9999);
  const UnitPrice unit = QuotedUnitPrice(large.lines[0].listPrice, large.lines[0].vat);
  large.lines[0].unitPrice = unit.amount;
  large.lines[0].quantity = 999;
  large.lines[0].amounts = LineAmountsOf(unit, 999, large.lines[0].vat);
  large.totals = TotalsOf(large.lines);
  const Quotation numbered = kept->Keep(large);
  EXPECT_EQ(kept->Find(numbered.number).totals, large.totals);
}

TEST_P(RegisterSuite, ARevisionKeepsTheEarlierOneUnchanged) {
  auto kept = Make();
  const Quotation first = kept->Keep(TestQuotation(3));
  Quotation changed = first;
  changed.lines.pop_back();
  changed.totals = TotalsOf(changed.lines);
  changed.date = TestDay(2026, 12, 11);
  const Quotation second = kept->Keep(changed);
  EXPECT_EQ(second.number, first.number);
  EXPECT_EQ(second.revision, 2);
  EXPECT_EQ(NumberWithRevision(second), "Q-2026-0001 rev. 2");
  EXPECT_EQ(kept->Find(first.number, 1), first);
  EXPECT_EQ(kept->Find(first.number), second);
  const std::vector<RegisterEntry> history = kept->History(first.number);
  ASSERT_EQ(history.size(), 2u);
  EXPECT_EQ(history[0].revision, 2);
  EXPECT_EQ(history[1].revision, 1);
  EXPECT_EQ(Numbers(kept->Entries({})), std::vector<std::string>{"Q-2026-0001"});
  EXPECT_EQ(kept->Keep(TestQuotation(1)).number, "Q-2026-0002");
  Quotation unknown = first;
  unknown.number = "Q-2026-0099";
  EXPECT_THROW(kept->Keep(unknown), RegisterError);
}

TEST_P(RegisterSuite, FindsFoldedForCaseAndAccentsAndCountsRightUnderEveryFilter) {
  auto kept = Make();
  const struct {
    const char* customer;
    const char* reference;
    QuoteDate date;
  } quotes[] = {
      {"Müller GmbH", "PO-4711", TestDay(2026, 1, 10)},
      {"Ångström AB", "", TestDay(2026, 3, 1)},
      {"Bell & Sons", "Order 17", TestDay(2026, 6, 1)},
      {"Çelik A/S", "", TestDay(2026, 12, 1)},
  };
  for (const auto& q : quotes) {
    Quotation quotation = TestQuotation(2, q.customer);
    quotation.reference = q.reference;
    quotation.date = q.date;
    quotation.validUntil = q.date + std::chrono::days(30);
    kept->Keep(quotation);
  }
  Quotation packages = TestQuotation(1, "Plain Ltd");
  packages.lines[0].description = "New package Unix LB 2";
  packages.lines[0].subject = LineSubject{QuoteKind::NewPackage, "Unix LB 2", "", "", 0};
  packages.lines[0].unitPrice = Money::fromTenThousandths(31'250'000);
  packages.lines[0].amounts = LineAmountsOf(
      UnitPrice{PriceBasis::ExcludingVat, packages.lines[0].unitPrice}, 12, packages.lines[0].vat);
  packages.totals = TotalsOf(packages.lines);
  packages.reference = "";
  packages.date = TestDay(2026, 12, 5);
  packages.validUntil = TestDay(2027, 1, 5);
  kept->Keep(packages);  // Q-2026-0005
  kept->SetStatus("Q-2026-0002", 1, QuoteStatus::Accepted, TestDay(2026, 3, 5));
  kept->SetStatus("Q-2026-0003", 1, QuoteStatus::Declined, TestDay(2026, 6, 5));

  const QuoteDate today = TestDay(2026, 12, 20);
  const auto filter = [&](std::string text, std::optional<QuoteStatus> status = {},
                          std::optional<QuoteDate> from = {}, std::optional<QuoteDate> to = {}) {
    return RegisterFilter{std::move(text), status, from, to, today};
  };
  const std::string total = DecimalText(packages.totals.includingVat);
  const struct {
    RegisterFilter filter;
    std::vector<std::string> found;
  } cases[] = {
      {filter("muller"), {"Q-2026-0001"}},
      {filter("MÜLLER gmbh"), {"Q-2026-0001"}},
      {filter("angstrom"), {"Q-2026-0002"}},
      {filter("celik"), {"Q-2026-0004"}},
      {filter("po-4711"), {"Q-2026-0001"}},
      {filter("0003"), {"Q-2026-0003"}},
      {filter("q-2026-3"), {"Q-2026-0003"}},
      {filter("Q-2026-0003"), {"Q-2026-0003"}},
      {filter("unix lb"), {"Q-2026-0005"}},
      {filter(total), {"Q-2026-0005"}},
      {filter("nobody"), {}},
      {filter(""), {"Q-2026-0005", "Q-2026-0004", "Q-2026-0003", "Q-2026-0002", "Q-2026-0001"}},
      {filter("", QuoteStatus::Accepted), {"Q-2026-0002"}},
      {filter("", QuoteStatus::Declined), {"Q-2026-0003"}},
      {filter("", QuoteStatus::Expired), {"Q-2026-0001"}},
      {filter("", QuoteStatus::Sent), {"Q-2026-0005", "Q-2026-0004"}},
      {filter("", {}, TestDay(2026, 3, 1), TestDay(2026, 6, 1)), {"Q-2026-0003", "Q-2026-0002"}},
      {filter("a", QuoteStatus::Sent, TestDay(2026, 12, 2)), {"Q-2026-0005"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Numbers(kept->Entries(c.filter)), c.found) << c.filter.text;
  }
  const RegisterEntry accepted = kept->Entries(filter("angstrom"))[0];
  EXPECT_EQ(accepted.status, QuoteStatus::Accepted);
  EXPECT_EQ(accepted.statusDate, TestDay(2026, 3, 5));
  EXPECT_THROW(kept->SetStatus("Q-2026-0009", 1, QuoteStatus::Accepted, today), RegisterError);
}

TEST_P(RegisterSuite, KeepsCustomersAndFindsThem) {
  auto kept = Make();
  kept->Keep(TestQuotation(1, "Müller GmbH"));
  Customer updated = TestQuotation(1, "Müller GmbH").customer;
  updated.email = "info@mueller.example";
  kept->KeepCustomer(updated);
  kept->KeepCustomer(Customer{"Ångström AB", "", "", "", "", ""});
  EXPECT_EQ(kept->Customers("muller"), std::vector<Customer>{updated});
  EXPECT_EQ(kept->Customers("ANGSTROM").size(), 1u);
  EXPECT_EQ(kept->Customers("").size(), 2u);
}

TEST_P(RegisterSuite, KeepsTheDraftUntilItIsDiscarded) {
  auto kept = Make();
  EXPECT_FALSE(kept->Draft());
  Quotation draft = TestQuotation(100);
  kept->KeepDraft(draft);
  draft.lines.pop_back();
  draft.totals = TotalsOf(draft.lines);
  kept->KeepDraft(draft);
  EXPECT_EQ(kept->Draft(), draft);
  kept->DiscardDraft();
  EXPECT_FALSE(kept->Draft());
  EXPECT_TRUE(kept->Entries({}).empty());
  // The same lines kept as a quote: a long search text is no fault of any store.
  const Quotation numbered = kept->Keep(draft);
  EXPECT_EQ(kept->Find(numbered.number).lines, draft.lines);
}

TEST_P(RegisterSuite, ExportsAndImportsAllOrNothing) {
  auto kept = Make();
  const Quotation first = kept->Keep(TestQuotation(2, "Müller GmbH"));
  Quotation revised = first;
  revised.reference = "PO-4712";
  kept->Keep(revised);
  kept->Keep(TestQuotation(3));
  kept->SetStatus("Q-2026-0002", 1, QuoteStatus::Declined, TestDay(2026, 12, 12));
  const std::vector<Quotation> exported = kept->Export({});
  ASSERT_EQ(exported.size(), 3u);

  auto other = Make(1);
  EXPECT_EQ(other->Import(exported), exported);
  EXPECT_EQ(other->Export({}), exported);
  const std::int64_t before = other->ChangeCount();
  // Holding a number already kept: refused whole, the new quote before it not kept either.
  EXPECT_THROW(other->Import({TestQuotation(1), exported[1]}), RegisterError);
  EXPECT_EQ(other->Export({}), exported);
  // A quote without a number is numbered beyond every number restored.
  const std::vector<Quotation> added = other->Import({TestQuotation(1)});
  ASSERT_EQ(added.size(), 1u);
  EXPECT_EQ(added[0].number, "Q-2026-0003");
  EXPECT_GT(other->ChangeCount(), before);

  RegisterFilter muller;
  muller.text = "muller";
  EXPECT_EQ(kept->Export(muller), (std::vector<Quotation>{exported[0], exported[1]}));
}

INSTANTIATE_TEST_SUITE_P(Backends, RegisterSuite,
                         ::testing::Values(Backend::SQLite, Backend::PostgreSQL, Backend::Memory),
                         [](const ::testing::TestParamInfo<Backend>& backend) {
                           switch (backend.param) {
                             case Backend::SQLite:
                               return std::string("SQLite");
                             case Backend::PostgreSQL:
                               return std::string("PostgreSQL");
                             default:
                               return std::string("Memory");
                           }
                         });

}  // namespace
}  // namespace corvane
