// The register held in memory: numbering and revisions, finding quotes, statuses, customers, the
// draft and imports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "register/memory_quote_register.h"

namespace corvane {
namespace {

using std::chrono::days;
constexpr QuoteDate kDay{std::chrono::year{2026} / 3 / 2};

Quotation Quote(std::string customer, std::string reference = {}, std::string line = "Item") {
  Quotation q;
  q.date = kDay;
  q.validUntil = kDay + days{30};
  q.customer.company = std::move(customer);
  q.reference = std::move(reference);
  q.lines.push_back(QuoteLine{});
  q.lines.back().description = std::move(line);
  q.totals.includingVat = Money::fromDecimal("1234.5");
  return q;
}

RegisterFilter Finding(std::string text) {
  RegisterFilter filter;
  filter.text = std::move(text);
  return filter;
}

RegisterFilter Shown(QuoteStatus status, QuoteDate today) {
  RegisterFilter filter;
  filter.status = status;
  filter.today = today;
  return filter;
}

Customer CustomerOf(std::string company, std::string contact = {}) {
  Customer customer;
  customer.company = std::move(company);
  customer.contact = std::move(contact);
  return customer;
}

std::vector<std::string> Numbers(const std::vector<RegisterEntry>& entries) {
  std::vector<std::string> numbers;
  for (const RegisterEntry& e : entries) numbers.push_back(e.number);
  return numbers;
}

TEST(MemoryQuoteRegister, NumbersNewQuotesAndKeepsEachRevisionUnchanged) {
  MemoryQuoteRegister reg;
  const Quotation first = reg.Keep(Quote("Bell & Sons"));
  EXPECT_EQ(first.number, "Q-2026-0001");
  EXPECT_EQ(first.status, QuoteStatus::Sent);
  EXPECT_EQ(reg.Keep(Quote("Tarn")).number, "Q-2026-0002");
  Quotation changed = first;
  changed.reference = "PO-4711";
  const Quotation second = reg.Keep(changed);
  EXPECT_EQ(second.number, "Q-2026-0001");
  EXPECT_EQ(second.revision, 2);
  EXPECT_EQ(reg.Find("Q-2026-0001", 1), first);
  EXPECT_EQ(reg.Find("Q-2026-0001"), second);
  EXPECT_EQ(reg.History("Q-2026-0001").size(), 2U);
  EXPECT_EQ(reg.Entries({}).size(), 2U);
  EXPECT_THROW(reg.Find("Q-2026-0009"), RegisterError);
  Quotation unknown = Quote("C");
  unknown.number = "Q-2026-0009";
  EXPECT_THROW(reg.Keep(unknown), RegisterError);
}

TEST(MemoryQuoteRegister, FindsIgnoringCaseAndAccentsInEveryField) {
  MemoryQuoteRegister reg;
  reg.Keep(Quote("Müller GmbH"));
  reg.Keep(Quote("Ångström AB", "PO-4711"));
  reg.Keep(Quote("Tarn", "", "New package Windows HB 3"));
  const struct {
    std::string text;
    std::vector<std::string> found;  // newest first
  } cases[] = {
      {"", {"Q-2026-0003", "Q-2026-0002", "Q-2026-0001"}},
      {"muller", {"Q-2026-0001"}},
      {"ANGSTROM", {"Q-2026-0002"}},
      {"po-4711", {"Q-2026-0002"}},
      {"q-2026-3", {"Q-2026-0003"}},
      {"0002", {"Q-2026-0002"}},
      {"windows hb", {"Q-2026-0003"}},
      {"1,234.50", {"Q-2026-0003", "Q-2026-0002", "Q-2026-0001"}},
      {"nobody", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Numbers(reg.Entries(Finding(c.text))), c.found) << c.text;
}

TEST(MemoryQuoteRegister, StatusesAreSetByTheRulesAndFilteredAsShown) {
  MemoryQuoteRegister reg;
  reg.Keep(Quote("A"));
  reg.Keep(Quote("B"));
  reg.SetStatus("Q-2026-0002", 1, QuoteStatus::Accepted, kDay + days{2});
  EXPECT_THROW(reg.SetStatus("Q-2026-0002", 1, QuoteStatus::Accepted, kDay), RegisterError);
  EXPECT_THROW(reg.SetStatus("Q-2026-0002", 7, QuoteStatus::Declined, kDay), RegisterError);
  const QuoteDate late = kDay + days{31};
  EXPECT_EQ(Numbers(reg.Entries(Shown(QuoteStatus::Expired, late))),
            std::vector<std::string>{"Q-2026-0001"});
  EXPECT_EQ(Numbers(reg.Entries(Shown(QuoteStatus::Accepted, late))),
            std::vector<std::string>{"Q-2026-0002"});
  EXPECT_EQ(reg.Find("Q-2026-0002").statusDate, kDay + days{2});
}

TEST(MemoryQuoteRegister, CustomersAreKeptByCompanyAndFound) {
  MemoryQuoteRegister reg;
  reg.KeepCustomer(CustomerOf("Müller GmbH", "Ada"));
  reg.KeepCustomer(CustomerOf("Bell & Sons"));
  reg.KeepCustomer(CustomerOf("Müller GmbH", "Ben"));
  const std::vector<Customer> found = reg.Customers("MULL");
  ASSERT_EQ(found.size(), 1U);
  EXPECT_EQ(found[0].contact, "Ben");
  EXPECT_EQ(reg.Customers("").size(), 2U);
}

TEST(MemoryQuoteRegister, KeepsOneDraft) {
  MemoryQuoteRegister reg;
  EXPECT_FALSE(reg.Draft());
  reg.KeepDraft(Quote("A"));
  reg.KeepDraft(Quote("B"));
  EXPECT_EQ(reg.Draft()->customer.company, "B");
  reg.DiscardDraft();
  EXPECT_FALSE(reg.Draft());
}

TEST(MemoryQuoteRegister, ImportsAllOrNothingAndNeverRepeatsANumber) {
  MemoryQuoteRegister source;
  source.Keep(Quote("A"));
  source.Keep(Quote("B"));
  const std::vector<Quotation> exported = source.Export({});
  MemoryQuoteRegister reg;
  reg.Import(exported);
  EXPECT_EQ(reg.Export({}), exported);
  EXPECT_EQ(reg.Import({Quote("C")})[0].number, "Q-2026-0003");
  const std::int64_t changes = reg.ChangeCount();
  EXPECT_THROW(reg.Import({Quote("D"), exported[0]}), RegisterError);
  EXPECT_EQ(reg.ChangeCount(), changes);
  EXPECT_EQ(reg.Entries({}).size(), 3U);
}

}  // namespace
}  // namespace corvane
