// The quote sheet: lines, quantities, VAT per line, totals, what an amount out of range does, and
// when a quote keeps its number.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "money/errors.h"
#include "money/format_price.h"
#include "money/shown_price.h"
#include "money/vat.h"
#include "sheet/quote_sheet.h"

namespace corvane {
namespace {

consteval Money Dec(std::string_view text) {
  return Money::fromDecimal(text);
}

PricedItem Item(std::string description, Money excludingVat) {
  return {std::move(description), PriceForDisplay(excludingVat, Separators{}, VatRate{})};
}

// The three lines of a typical quote: a cross-grade at 10 %, a support contract, an other item.
QuoteSheet TypicalSheet() {
  QuoteSheet sheet;
  sheet.Add(Item("Cross-grade from Windows HB 1 to Windows HB 3, discount 10%", Dec("1440")));
  sheet.Add(Item("Support Contract (monthly): Tessaline 1", Dec("184.21")));
  sheet.Add(Item("Other item Multi-Warehouse - Win.Tessaline 1 User", Dec("3000")));
  return sheet;
}

TEST(QuoteSheet, EachLineIsTheVatRuleOnQuantityTimesTheUnitPrice) {
  const struct {
    Money price;
    int quantity;
    Money totalExcluding, totalIncluding;
  } cases[] = {
      {Dec("1440"), 1, Dec("1440"), Dec("1641.60")},
      {Dec("1440"), 999, Dec("1438560"), Dec("1639958.40")},
      // 12 x 236.84 = 2,842.08, and 2,842.08 x 1.14 = 3,239.9712; not 12 x 270.00.
      {Dec("236.84"), 12, Dec("2842.08"), Dec("3239.97")},
      {Dec("236.84"), 1, Dec("236.84"), Dec("270")},
      {Dec("184.21"), 3, Dec("552.63"), Dec("630")},
      // A price with a fraction of a cent is multiplied whole and rounded once, per line.
      {Dec("657.895"), 1, Dec("657.90"), Dec("750")},
      {Dec("657.895"), 999, Dec("657237.11"), Dec("749250.30")},
      {Dec("70.175"), 2, Dec("140.35"), Dec("160")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(FormatPrice(c.price) + " x " + std::to_string(c.quantity));
    QuoteSheet sheet;
    sheet.Add(Item("item", c.price));
    ASSERT_EQ(sheet.Lines()[0].quantity, 1);
    sheet.SetQuantity(0, c.quantity);
    const QuoteLine& line = sheet.Lines()[0];
    EXPECT_EQ(line.quantity, c.quantity);
    EXPECT_EQ(line.unitExcludingVat, c.price);
    EXPECT_EQ(line.totalExcludingVat, c.totalExcluding);
    EXPECT_EQ(line.totalIncludingVat, c.totalIncluding);
    EXPECT_EQ(sheet.Totals().excludingVat, c.totalExcluding);
    EXPECT_EQ(sheet.Totals().vat, c.totalIncluding - c.totalExcluding);
    if (c.quantity == 1) {  // one of a price reads as the window showed it
      const ShownPrice shown = PriceForDisplay(c.price, Separators{}, VatRate{});
      EXPECT_EQ(FormatPrice(line.totalExcludingVat), shown.excludingText);
      EXPECT_EQ(FormatPrice(line.totalIncludingVat), shown.includingText);
    }
  }
}

TEST(QuoteSheet, TotalsAddTheLinesAndTheVatIsTheirDifference) {
  QuoteSheet sheet = TypicalSheet();
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
  EXPECT_EQ(sheet.Totals().includingVat, Money());
}

TEST(QuoteSheet, RefusesQuantitiesAndLinesOutsideItsRange) {
  QuoteSheet sheet = TypicalSheet();
  for (int quantity : {0, -1, 1000}) {
    EXPECT_THROW(sheet.SetQuantity(0, quantity), RangeError) << quantity;
  }
  EXPECT_THROW(sheet.SetQuantity(3, 2), RangeError);
  EXPECT_THROW(sheet.Remove(3), RangeError);
  EXPECT_EQ(sheet.Lines()[0].quantity, 1);
  EXPECT_EQ(sheet.Lines().size(), 3u);
}

// VAT is worked out on the line's whole amount, so the largest line is the largest amount that
// VAT can still be added to; a cent more is refused and changes nothing.
TEST(QuoteSheet, AnAmountOutOfRangeChangesNothing) {
  constexpr std::int64_t kVatLimit = std::numeric_limits<std::int64_t>::max() / 114;  // 14 %
  const auto cents = [](std::int64_t raw) { return Money::fromTenThousandths(raw / 100 * 100); };
  const Money largestAt999 = cents(kVatLimit / 999);
  const Money largestAt1 = cents(kVatLimit);
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
    QuoteSheet sheet;
    sheet.Add(Item("small", Dec("10")));
    const std::vector<QuoteLine> before = sheet.Lines();
    const SheetTotals totalsBefore = sheet.Totals();
    const auto change = [&] {
      sheet.Add(PricedItem{"edge", ShownPrice{c.unit, 0, "", ""}});
      sheet.SetQuantity(1, c.quantity);
    };
    if (c.fits) {
      change();
      EXPECT_EQ(sheet.Lines()[1].totalExcludingVat,
                c.unit.times(static_cast<std::int16_t>(c.quantity)));
      EXPECT_EQ(sheet.Totals().vat, sheet.Totals().includingVat - sheet.Totals().excludingVat);
      continue;
    }
    EXPECT_THROW(change(), OverflowError);
    // Added at 1 and refused at 999, the line stays at 1; refused at 1, it is not added.
    EXPECT_EQ(sheet.Lines().size(), c.quantity == 1 ? 1u : 2u);
    EXPECT_EQ(sheet.Lines()[0], before[0]);
    if (c.quantity == 1) {
      EXPECT_EQ(sheet.Totals(), totalsBefore);
    } else {
      EXPECT_EQ(sheet.Lines()[1].quantity, 1);
    }
  }

  // Lines whose sum leaves the range: the line that would take it out is not added.
  QuoteSheet sheet;
  SheetTotals last;
  std::size_t added = 0;
  for (; added < 200; ++added) {
    last = sheet.Totals();
    try {
      sheet.Add(PricedItem{"edge", ShownPrice{largestAt1, 0, "", ""}});
    } catch (const OverflowError&) {
      break;
    }
  }
  ASSERT_LT(added, 200u);
  EXPECT_EQ(sheet.Lines().size(), added);
  EXPECT_EQ(sheet.Totals(), last);
}

TEST(QuoteSheet, AsksToBeHandedOnAfterEveryChange) {
  QuoteSheet sheet;
  EXPECT_FALSE(sheet.HasUnsentLines());
  sheet.Add(Item("item", Dec("10")));
  EXPECT_TRUE(sheet.HasUnsentLines());
  sheet.MarkHandedOn();
  EXPECT_FALSE(sheet.HasUnsentLines());
  sheet.SetQuantity(0, 2);
  EXPECT_TRUE(sheet.HasUnsentLines());
  sheet.MarkHandedOn();
  sheet.SetCustomer("A. Customer");
  EXPECT_TRUE(sheet.HasUnsentLines());
  sheet.Clear();
  EXPECT_FALSE(sheet.HasUnsentLines());
}

// A number names the quotation as it was sent: the dealer's details and terms it went out with
// stay, and any change makes a new quote that the register numbers anew.
TEST(QuoteSheet, KeepsItsNumberUntilItChanges) {
  using std::chrono::days;
  const QuoteDate day{std::chrono::year_month_day{std::chrono::year(2026), std::chrono::December,
                                                  std::chrono::day(9)}};
  DealerDetails dealer;
  dealer.companyName = "Bell Computers";
  dealer.currency = "USD";
  const QuoteTerms terms{"14%", "ZAR", "28 May 2012", "(011) 555-0100"};

  QuoteSheet sheet = TypicalSheet();
  sheet.SetDates(day, day + days(30));
  Quotation draft = sheet.Document(dealer, terms);
  EXPECT_EQ(draft.number, "");
  EXPECT_EQ(draft.terms.currency, "USD");  // the dealer's currency before the book's
  EXPECT_EQ(draft.lines, sheet.Lines());
  EXPECT_EQ(draft.validUntil, day + days(30));

  draft.number = "Q-2026-0001";
  sheet.Numbered(draft);
  DealerDetails changed = dealer;
  changed.companyName = "Bell Computers (Pty) Ltd";
  EXPECT_EQ(sheet.Document(changed, terms).dealer, dealer);
  EXPECT_EQ(sheet.Number(), "Q-2026-0001");

  const struct {
    const char* name;
    void (*change)(QuoteSheet&);
  } changes[] = {
      {"quantity", [](QuoteSheet& s) { s.SetQuantity(0, 2); }},
      {"customer", [](QuoteSheet& s) { s.SetCustomer("Someone else"); }},
      {"validity", [](QuoteSheet& s) { s.SetValidUntil(s.ValidUntil() + days(1)); }},
      {"line added", [](QuoteSheet& s) { s.Add(Item("item", Dec("1"))); }},
      {"line removed", [](QuoteSheet& s) { s.Remove(0); }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    QuoteSheet reopened;
    reopened.Open(draft);
    EXPECT_EQ(reopened.Number(), "Q-2026-0001");
    EXPECT_FALSE(reopened.HasUnsentLines());
    EXPECT_EQ(reopened.Totals(), draft.totals);
    change(reopened);
    EXPECT_EQ(reopened.Number(), "");
    EXPECT_EQ(reopened.Document(changed, terms).dealer, changed);
  }
}

}  // namespace
}  // namespace corvane
