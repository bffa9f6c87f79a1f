// The quote sheet: lines that know what priced them, quantities at a line's own price and rate,
// the VAT summary, what an amount out of range does, and how a quote keeps its number.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "money/errors.h"
#include "money/format_price.h"
#include "sheet/quote_sheet.h"
#include "sheet/tests/sheet_books.h"

namespace corvane {
namespace {

consteval Money Dec(std::string_view text) {
  return Money::fromDecimal(text);
}

// A hand-built book: the built-in book's facts (14 %) and no items until a test adds them.
std::unique_ptr<PriceBook> EmptyBook(VatRate rate = VatRate{1400}) {
  auto book = std::make_unique<PriceBook>();
  book->vat = rate;
  return book;
}

// The three lines of a typical quote: a package, a support contract, an other item.
QuoteSheet TypicalSheet(PriceBook& book) {
  QuoteSheet sheet;
  sheet.Add(book, OtherItem(book, "Windows HB 3", Dec("1440")));
  sheet.Add(book, OtherItem(book, "Tessaline 1 support", Dec("184.21")));
  sheet.Add(book, OtherItem(book, "Multi-Warehouse - Win.Tessaline 1 User", Dec("3000")));
  return sheet;
}

TEST(QuoteSheet, EachLineIsQuantityTimesItsUnitPriceInItsBasis) {
  using B = PriceBasis;
  const struct {
    Money price;
    int quantity;
    B basis;
    Money unit;
    LineAmounts amounts;
  } cases[] = {
      {Dec("1440"), 1, B::ExcludingVat, Dec("1440"), {Dec("1440"), Dec("201.60"), Dec("1641.60")}},
      {Dec("1440"),
       999,
       B::ExcludingVat,
       Dec("1440"),
       {Dec("1438560"), Dec("201398.40"), Dec("1639958.40")}},
      // 12 x 236.84 = 2,842.08, and the VAT on that line: not 12 x 270.00.
      {Dec("236.84"),
       12,
       B::ExcludingVat,
       Dec("236.84"),
       {Dec("2842.08"), Dec("397.89"), Dec("3239.97")}},
      {Dec("236.84"), 1, B::ExcludingVat, Dec("236.84"), {Dec("236.84"), Dec("33.16"), Dec("270")}},
      {Dec("184.21"), 3, B::ExcludingVat, Dec("184.21"), {Dec("552.63"), Dec("77.37"), Dec("630")}},
      // A price with a fraction of a cent is one the book set including VAT: the customer pays
      // the quantity times it, and the VAT is taken out of the line.
      {Dec("657.895"),
       999,
       B::IncludingVat,
       Dec("750"),
       {Dec("657236.84"), Dec("92013.16"), Dec("749250")}},
      {Dec("70.175"), 2, B::IncludingVat, Dec("80"), {Dec("140.35"), Dec("19.65"), Dec("160")}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(FormatPrice(c.price) + " x " + std::to_string(c.quantity));
    auto book = EmptyBook();
    QuoteSheet sheet;
    sheet.Add(*book, OtherItem(*book, "item", c.price));
    ASSERT_EQ(sheet.Lines()[0].quantity, 1);
    sheet.SetQuantity(0, c.quantity);
    const QuoteLine& line = sheet.Lines()[0];
    EXPECT_EQ(line.quantity, c.quantity);
    EXPECT_EQ(line.basis, c.basis);
    EXPECT_EQ(line.unitPrice, c.unit);
    EXPECT_EQ(line.amounts, c.amounts);
    EXPECT_EQ(sheet.Totals().excludingVat, c.amounts.excludingVat);
    EXPECT_EQ(sheet.Totals().vat, c.amounts.vat);
  }
}

TEST(QuoteSheet, TotalsAddTheLines) {
  auto book = EmptyBook();
  QuoteSheet sheet = TypicalSheet(*book);
  EXPECT_EQ(sheet.Totals().excludingVat, Dec("4624.21"));
  EXPECT_EQ(sheet.Totals().includingVat, Dec("5271.60"));
  EXPECT_EQ(sheet.Totals().vat, Dec("647.39"));

  sheet.SetQuantity(1, 3);
  EXPECT_EQ(sheet.Totals().excludingVat, Dec("4992.63"));
  EXPECT_EQ(sheet.Totals().includingVat, Dec("5691.60"));
  sheet.Remove(0);
  EXPECT_EQ(sheet.Lines().size(), 2u);
  EXPECT_EQ(sheet.Totals().excludingVat, Dec("3552.63"));
  EXPECT_EQ(sheet.Totals().vat, Dec("497.37"));
  sheet.Clear();
  EXPECT_TRUE(sheet.Empty());
  EXPECT_EQ(sheet.Totals(), QuotationTotals{});
}

TEST(QuoteSheet, RefusesQuantitiesLinesAndRequestsOutsideItsRange) {
  auto book = EmptyBook();
  QuoteSheet sheet = TypicalSheet(*book);
  for (int quantity : {0, -1, 1000}) {
    EXPECT_THROW(sheet.SetQuantity(0, quantity), RangeError) << quantity;
  }
  EXPECT_THROW(sheet.SetQuantity(3, 2), RangeError);
  EXPECT_THROW(sheet.Remove(3), RangeError);
  QuoteRequest refused;  // a cross-grade with no To package is no price at all
  EXPECT_THROW(sheet.Add(*book, refused), RangeError);
  EXPECT_EQ(sheet.Lines()[0].quantity, 1);
  EXPECT_EQ(sheet.Lines().size(), 3u);
}

// A price VAT cannot be added to is refused where it is priced; a line whose amount with VAT
// leaves the range is refused at its quantity; neither changes anything.
TEST(QuoteSheet, AnAmountOutOfRangeChangesNothing) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  const auto cents = [](std::int64_t raw) { return Money::fromTenThousandths(raw / 100 * 100); };
  // The line of 999 and the small line of 10.00 (11.40 with VAT) within range with 14 % VAT.
  const Money largestAt999 = cents((kMax - 114'000) / 114 * 100 / 999);
  const Money largestAt1 = cents(kMax / 114);  // the VAT-inclusive price shown
  const struct {
    const char* name;
    Money unit;
    int quantity;
    bool fits;
  } cases[] = {
      {"largest at 999", largestAt999, 999, true},
      {"a cent more at 999", largestAt999 + Dec("0.01"), 999, false},
      {"largest at 1", largestAt1, 1, true},
      {"a cent more at 1", largestAt1 + Dec("0.01"), 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto book = EmptyBook();
    QuoteSheet sheet;
    sheet.Add(*book, OtherItem(*book, "small", Dec("10")));
    const std::vector<QuoteLine> before = sheet.Lines();
    const QuotationTotals totalsBefore = sheet.Totals();
    const QuoteRequest edge = OtherItem(*book, "edge", c.unit);
    const auto change = [&] {
      sheet.Add(*book, edge);
      sheet.SetQuantity(1, c.quantity);
    };
    if (c.fits) {
      change();
      EXPECT_EQ(sheet.Lines()[1].amounts.excludingVat,
                c.unit.times(static_cast<std::int16_t>(c.quantity)));
      continue;
    }
    EXPECT_THROW(change(), OverflowError);
    EXPECT_EQ(sheet.Lines().size(), c.quantity == 1 ? 1u : 2u);
    EXPECT_EQ(sheet.Lines()[0], before[0]);
    if (c.quantity == 1) {
      EXPECT_EQ(sheet.Totals(), totalsBefore);
    } else {
      EXPECT_EQ(sheet.Lines()[1].quantity, 1);
    }
  }

  // Lines whose sum leaves the range: the line that would take it out is not added.
  auto book = EmptyBook();
  const QuoteRequest edge = OtherItem(*book, "edge", largestAt1);
  QuoteSheet sheet;
  QuotationTotals last;
  std::size_t added = 0;
  for (; added < 200; ++added) {
    last = sheet.Totals();
    try {
      sheet.Add(*book, edge);
    } catch (const OverflowError&) {
      break;
    }
  }
  ASSERT_LT(added, 200u);
  EXPECT_EQ(sheet.Lines().size(), added);
  EXPECT_EQ(sheet.Totals(), last);
}

TEST(QuoteSheet, AsksToBeHandedOnAfterEveryChange) {
  auto book = EmptyBook();
  QuoteSheet sheet;
  EXPECT_FALSE(sheet.HasUnsentLines());
  sheet.Add(*book, OtherItem(*book, "item", Dec("10")));
  EXPECT_TRUE(sheet.HasUnsentLines());
  sheet.MarkHandedOn();
  EXPECT_FALSE(sheet.HasUnsentLines());
  sheet.SetQuantity(0, 2);
  EXPECT_TRUE(sheet.HasUnsentLines());
  sheet.MarkHandedOn();
  sheet.SetCustomer(Customer{"A. Customer", "", "", "", "", ""});
  EXPECT_TRUE(sheet.HasUnsentLines());
  sheet.Clear();
  EXPECT_FALSE(sheet.HasUnsentLines());
}

TEST(QuoteSheet, ALineKnowsWhatPricedIt) {
  const PriceBook book = FillPriceBook();
  QuoteRequest request;
  request.kind = QuoteKind::NewPackage;
  request.from = 1;
  request.discount = ReadDiscount("12,5%");
  QuoteSheet sheet;
  sheet.Add(book, request);
  const QuoteLine& line = sheet.Lines()[0];
  EXPECT_EQ(line.description, "New package " + book.PackageName[1]);  // no discount in words
  ASSERT_TRUE(line.subject);
  EXPECT_EQ(line.subject->kind, QuoteKind::NewPackage);
  EXPECT_EQ(line.subject->from, book.PackageName[1]);
  EXPECT_EQ(line.book.vendor, book.vendorName);
  EXPECT_EQ(DateText(line.book.effective), "28 May 2012");
  EXPECT_EQ(line.vat, book.vat);
  EXPECT_EQ(line.listPrice, book.PackagePrice[1]);
  EXPECT_EQ(line.discount, DiscountPercent{125'000});
  EXPECT_EQ(line.unitPrice, ApplyDiscount(book.PackagePrice[1], ReadDiscount("12.5%")));
  EXPECT_EQ(sheet.Currency(), "ZAR");
}

// A line keeps the rate and unit price it was given: 1,000.00 at 14 % stays 1,140.00 a unit
// including VAT at any quantity, beside lines a 15 % book priced later; each rate has its row.
TEST(QuoteSheet, LinesOfTwoBooksKeepTheirOwnRates) {
  auto at14 = EmptyBook(VatRate{1400});
  auto at15 = EmptyBook(VatRate{1500});
  at15->effectiveDate = EffectiveDate{2026, 3, 1};
  QuoteSheet sheet;
  sheet.Add(*at14, OtherItem(*at14, "old", Dec("1000")));
  sheet.Add(*at15, OtherItem(*at15, "new", Dec("40")));
  sheet.SetQuantity(0, 8);
  sheet.SetQuantity(1, 1);
  EXPECT_EQ(sheet.Lines()[0].vat, VatRate{1400});
  EXPECT_EQ(sheet.Lines()[0].amounts, (LineAmounts{Dec("8000"), Dec("1120"), Dec("9120")}));
  const QuotationTotals& totals = sheet.Totals();
  ASSERT_EQ(totals.rates.size(), 2u);
  EXPECT_EQ(totals.rates[0], (VatRow{VatRate{1400}, Dec("8000"), Dec("1120"), Dec("9120")}));
  EXPECT_EQ(totals.rates[1], (VatRow{VatRate{1500}, Dec("40"), Dec("6"), Dec("46")}));
  EXPECT_EQ(totals.vat, Dec("1126"));
  EXPECT_EQ(totals.includingVat, Dec("9166"));
  EXPECT_EQ(sheet.LinesPricedElsewhere(*at15), 1u);
}

// A number names the quotation as it was sent: unchanged it is that quotation, dealer's details
// and all; changed, it goes out again as the number's next revision.
TEST(QuoteSheet, KeepsItsNumberForTheNextRevision) {
  using std::chrono::days;
  const QuoteDate day{std::chrono::year_month_day{std::chrono::year(2026), std::chrono::December,
                                                  std::chrono::day(9)}};
  DealerDetails dealer;
  dealer.companyName = "Bell Computers";
  dealer.currency = "USD";

  auto book = EmptyBook();
  QuoteSheet sheet = TypicalSheet(*book);
  sheet.SetDates(day, day + days(30));
  Quotation draft = sheet.Document(dealer);
  EXPECT_EQ(draft.number, "");
  EXPECT_EQ(draft.status, QuoteStatus::Draft);
  EXPECT_EQ(draft.currency, "ZAR");  // the book's; the dealer's old setting is ignored
  EXPECT_EQ(draft.lines, sheet.Lines());
  EXPECT_EQ(draft.validUntil, day + days(30));

  Quotation sent = draft;
  sent.number = "Q-2026-0001";
  sent.status = QuoteStatus::Sent;
  sheet.Numbered(sent);
  DealerDetails changed = dealer;
  changed.companyName = "Bell Computers (Pty) Ltd";
  EXPECT_EQ(sheet.Document(changed), sent);
  EXPECT_EQ(sheet.Number(), "Q-2026-0001");

  const struct {
    const char* name;
    std::function<void(QuoteSheet&)> change;
  } changes[] = {
      {"quantity", [](QuoteSheet& s) { s.SetQuantity(0, 2); }},
      {"customer",
       [](QuoteSheet& s) {
         s.SetCustomer(Customer{"Someone", "", "", "", "", ""});
       }},
      {"validity", [](QuoteSheet& s) { s.SetValidUntil(s.ValidUntil() + days(1)); }},
      {"line added", [&](QuoteSheet& s) { s.Add(*book, OtherItem(*book, "item", Dec("1"))); }},
      {"line removed", [](QuoteSheet& s) { s.Remove(0); }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    QuoteSheet reopened;
    reopened.Open(sent);
    EXPECT_EQ(reopened.Number(), "Q-2026-0001");
    EXPECT_FALSE(reopened.HasUnsentLines());
    EXPECT_EQ(reopened.Totals(), sent.totals);
    change(reopened);
    const Quotation again = reopened.Document(changed);
    EXPECT_EQ(again.number, "Q-2026-0001");
    EXPECT_EQ(again.status, QuoteStatus::Draft);
    EXPECT_EQ(again.dealer, changed);
    EXPECT_FALSE(reopened.Sent());
  }
  QuoteSheet asNew;
  asNew.OpenAsNew(sent);
  EXPECT_EQ(asNew.Document(dealer).number, "");
  EXPECT_EQ(asNew.Lines(), sent.lines);
}

}  // namespace
}  // namespace corvane
