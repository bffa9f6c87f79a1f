// The one rounding rule: every price of the built-in book as a line at several quantities, the
// VAT summary of quotes priced by two books, and cases other systems have got wrong.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "money/errors.h"
#include "money/format_price.h"
#include "quotation/amounts.h"
#include "quote/discount.h"
#include "quote/quote.h"

namespace corvane {
namespace {

consteval Money Dec(std::string_view text) {
  return Money::fromDecimal(text);
}

Money Negative(Money amount) {
  return Money() - amount;
}

QuoteLine LineAt(Money exactExcludingVat, int quantity, VatRate rate) {
  const UnitPrice unit = QuotedUnitPrice(exactExcludingVat, rate);
  QuoteLine line;
  line.vat = rate;
  line.basis = unit.basis;
  line.unitPrice = unit.amount;
  line.quantity = static_cast<std::int16_t>(quantity);
  line.amounts = LineAmountsOf(unit, quantity, rate);
  return line;
}

// Every support contract, other item and new package the built-in book prices.
std::vector<QuoteRequest> EveryItemRequest(const PriceBook& book) {
  std::vector<QuoteRequest> requests;
  const auto request = [](QuoteKind kind, int from, int item) {
    QuoteRequest r;
    r.kind = kind;
    r.from = from;
    r.item = item;
    return r;
  };
  for (int i = 0; i <= book.SupportItem.UpperBound(); ++i) {
    if (!book.SupportItem[i].empty()) requests.push_back(request(QuoteKind::Support, 0, i));
  }
  for (int i = 0; i <= book.OtherItem.UpperBound(); ++i) {
    if (!book.OtherItem[i].empty()) requests.push_back(request(QuoteKind::Other, 0, i));
  }
  for (int i = 0; i <= book.PackageName.UpperBound(); ++i) {
    if (!book.PackageName[i].empty()) requests.push_back(request(QuoteKind::NewPackage, i, 0));
  }
  return requests;
}

TEST(Amounts, EveryItemOfTheBuiltInBookAddsUpInItsBasisAtEveryQuantity) {
  const PriceBook book = FillPriceBook();
  const std::vector<QuoteRequest> requests = EveryItemRequest(book);
  ASSERT_GT(requests.size(), 80U);
  int quotedIncludingVat = 0;
  for (const QuoteRequest& request : requests) {
    const Quote quote = Price(book, request);
    ASSERT_TRUE(quote.Priced());
    const UnitPrice unit = QuotedUnitPrice(quote.excludingVat, book.vat);
    const Money windowExcluding = ShownCents(quote.excludingVat);
    const Money windowIncluding = Money::fromDouble(quote.includingVat);
    // One of a price reads as the window shows it, in the basis the line is quoted in.
    EXPECT_EQ(unit.amount,
              unit.basis == PriceBasis::ExcludingVat ? windowExcluding : windowIncluding)
        << "item " << request.item << " package " << request.from;
    if (unit.basis == PriceBasis::IncludingVat) ++quotedIncludingVat;
    for (const int quantity : {1, 7, 12, 999}) {
      SCOPED_TRACE("item " + std::to_string(request.item) + " package " +
                   std::to_string(request.from) + " quantity " + std::to_string(quantity));
      const LineAmounts amounts = LineAmountsOf(unit, quantity, book.vat);
      const Money printed =
          unit.basis == PriceBasis::ExcludingVat ? amounts.excludingVat : amounts.includingVat;
      EXPECT_EQ(printed, unit.amount.times(static_cast<std::int16_t>(quantity)));
      EXPECT_EQ(amounts.includingVat, amounts.excludingVat + amounts.vat);
      EXPECT_EQ(amounts.vat, unit.basis == PriceBasis::ExcludingVat
                                 ? VatOnExcluding(amounts.excludingVat, book.vat)
                                 : VatWithinIncluding(amounts.includingVat, book.vat));
      EXPECT_EQ(CentsHalfEven(amounts.excludingVat), amounts.excludingVat);
      EXPECT_EQ(CentsHalfEven(amounts.vat), amounts.vat);
      if (quantity == 1 && unit.basis == PriceBasis::ExcludingVat) {
        EXPECT_EQ(amounts.includingVat, windowIncluding);
      }
      if (quantity == 1 && unit.basis == PriceBasis::IncludingVat) {
        // The amount excluding VAT is what remains once the VAT is taken out of the price the
        // customer pays: within a cent of the window's box, which rounds the book's own figure.
        EXPECT_LE(windowExcluding - amounts.excludingVat, Dec("0.01"));
        EXPECT_LE(amounts.excludingVat - windowExcluding, Dec("0.01"));
      }
    }
  }
  EXPECT_GT(quotedIncludingVat, 0);  // the book does set some prices including VAT
}

TEST(Amounts, WorkedExamplesOfTheRule) {
  const VatRate rate{1400};
  struct Case {
    Money exact;
    int quantity;
    PriceBasis basis;
    Money unit;
    LineAmounts amounts;
  };
  const Case cases[] = {
      // A whole-cent price: VAT added to the line.
      {Dec("236.84"),
       12,
       PriceBasis::ExcludingVat,
       Dec("236.84"),
       {Dec("2842.08"), Dec("397.89"), Dec("3239.97")}},
      // A price the book set including VAT: the customer pays 12 x 750.00.
      {Dec("657.895"),
       12,
       PriceBasis::IncludingVat,
       Dec("750.00"),
       {Dec("7894.74"), Dec("1105.26"), Dec("9000.00")}},
      // The VAT lands on exactly half a cent: 0.25 x 14 % = 0.035, to the even 0.04; 0.75 gives
      // 0.105, to the even 0.10.
      {Dec("0.25"),
       1,
       PriceBasis::ExcludingVat,
       Dec("0.25"),
       {Dec("0.25"), Dec("0.04"), Dec("0.29")}},
      {Dec("0.75"),
       1,
       PriceBasis::ExcludingVat,
       Dec("0.75"),
       {Dec("0.75"), Dec("0.10"), Dec("0.85")}},
  };
  for (const Case& c : cases) {
    const UnitPrice unit = QuotedUnitPrice(c.exact, rate);
    EXPECT_EQ(unit.basis, c.basis);
    EXPECT_EQ(unit.amount, c.unit);
    EXPECT_EQ(LineAmountsOf(unit, c.quantity, rate), c.amounts);
  }
}

TEST(Amounts, CentsHalfEvenRoundsNegativeAmountsLikeTheirMagnitude) {
  const Money cases[][2] = {
      {Dec("0.005"), Dec("0.00")},  {Dec("0.015"), Dec("0.02")}, {Dec("0.0149"), Dec("0.01")},
      {Dec("2.5051"), Dec("2.51")}, {Dec("1.125"), Dec("1.12")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CentsHalfEven(c[0]), c[1]);
    EXPECT_EQ(CentsHalfEven(Negative(c[0])), Negative(c[1]));
  }
}

TEST(Amounts, DiscountedUnitTimesSixteenAtTwentyTwoPercent) {
  // The discount gives a unit price in whole cents, which the line multiplies: the printed unit
  // times the quantity is the printed line, and the VAT is the rate of that line.
  const VatRate rate{2200};
  const Money unitPrice = DiscountCrossGrade(Dec("348.35"), ReadDiscount("4%"));
  EXPECT_EQ(unitPrice, Dec("334.42"));
  const QuoteLine line = LineAt(unitPrice, 16, rate);
  EXPECT_EQ(line.amounts.excludingVat, Dec("5350.72"));
  EXPECT_EQ(line.amounts.vat, Dec("1177.16"));
  EXPECT_EQ(line.amounts.includingVat, Dec("6527.88"));
}

TEST(Amounts, VatIsRoundedOncePerLine) {
  // 3.60 at 5.5 %: one line of ten pays the rate of 36.00; ten lines of one each round 0.198.
  const VatRate rate{550};
  const QuotationTotals one = TotalsOf({LineAt(Dec("3.60"), 10, rate)});
  const QuotationTotals ten = TotalsOf(std::vector<QuoteLine>(10, LineAt(Dec("3.60"), 1, rate)));
  EXPECT_EQ(one.excludingVat, Dec("36.00"));
  EXPECT_EQ(one.vat, Dec("1.98"));
  EXPECT_EQ(one.includingVat, Dec("37.98"));
  EXPECT_EQ(ten.excludingVat, Dec("36.00"));
  EXPECT_EQ(ten.vat, Dec("2.00"));
  EXPECT_EQ(ten.includingVat, Dec("38.00"));
}

TEST(Amounts, ACreditLineCancelsItsShareOfTheVatExactly) {
  // A negative amount follows the rule like its magnitude, so 8,500.00 less 7,500.00 at 19 %
  // comes to the VAT of 1,000.00.
  const VatRate rate{1900};
  const QuotationTotals totals =
      TotalsOf({LineAt(Dec("8500.00"), 1, rate), LineAt(Negative(Dec("7500.00")), 1, rate)});
  ASSERT_EQ(totals.rates.size(), 1U);
  EXPECT_EQ(totals.rates[0].base, Dec("1000.00"));
  EXPECT_EQ(totals.rates[0].vat, Dec("190.00"));
  EXPECT_EQ(totals.includingVat, Dec("1190.00"));
  // A credit at a price set including VAT mirrors the sale exactly.
  const LineAmounts sale = LineAt(Dec("657.895"), 3, VatRate{1400}).amounts;
  const LineAmounts credit = LineAt(Negative(Dec("657.895")), 3, VatRate{1400}).amounts;
  EXPECT_EQ(credit, (LineAmounts{Negative(sale.excludingVat), Negative(sale.vat),
                                 Negative(sale.includingVat)}));
}

TEST(Amounts, QuotesFromTwoBooksHaveOneVatRowPerRate) {
  // The same items priced by a 14 % book and a 15 % book, at quantities across the range.
  const PriceBook book = FillPriceBook();
  std::vector<QuoteLine> lines;
  const int quantities[] = {1, 2, 7, 12, 99, 500, 999};
  std::size_t n = 0;
  for (const QuoteRequest& request : EveryItemRequest(book)) {
    const Money exact = Price(book, request).excludingVat;
    const int quantity = quantities[n++ % std::size(quantities)];
    lines.push_back(LineAt(exact, quantity, VatRate{n % 2 == 0 ? 1500 : 1400}));
  }
  const QuotationTotals totals = TotalsOf(lines);
  ASSERT_EQ(totals.rates.size(), 2U);
  EXPECT_EQ(totals.rates[0].rate, VatRate{1400});  // lowest rate first
  EXPECT_EQ(totals.rates[1].rate, VatRate{1500});
  Money excluding;
  Money vat;
  for (const VatRow& row : totals.rates) {
    Money base;
    Money rowVat;
    for (const QuoteLine& line : lines) {
      if (line.vat != row.rate) continue;
      base = base + line.amounts.excludingVat;
      rowVat = rowVat + line.amounts.vat;
    }
    EXPECT_EQ(row.base, base);
    EXPECT_EQ(row.vat, rowVat);
    EXPECT_EQ(row.including, base + rowVat);
    // Each rate's VAT is that rate of its lines, within the half cent each line may round.
    const Money tolerance =
        Money::fromTenThousandths(50).times(static_cast<std::int16_t>(lines.size()));
    EXPECT_LE(rowVat - VatOnExcluding(base, row.rate), tolerance);
    EXPECT_LE(VatOnExcluding(base, row.rate) - rowVat, tolerance);
    excluding = excluding + base;
    vat = vat + rowVat;
  }
  EXPECT_EQ(totals.excludingVat, excluding);
  EXPECT_EQ(totals.vat, vat);
  EXPECT_EQ(totals.includingVat, excluding + vat);
}

TEST(Amounts, NoLinesNoRows) {
  EXPECT_EQ(TotalsOf({}), QuotationTotals{});
}

TEST(Amounts, AnAmountOutOfRangeOrABadRateThrows) {
  EXPECT_THROW(LineAmountsOf({PriceBasis::ExcludingVat, Money::fromTenThousandths(INT64_MAX / 100)},
                             999, VatRate{1400}),
               OverflowError);
  EXPECT_THROW(VatOnExcluding(Dec("1.00"), VatRate{-1}), RangeError);
  EXPECT_THROW(QuotedUnitPrice(Dec("1.001"), VatRate{10'001}), RangeError);
}

}  // namespace
}  // namespace corvane
