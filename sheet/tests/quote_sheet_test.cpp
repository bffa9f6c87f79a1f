// The quote sheet: lines, quantities, totals, what an amount out of range does, and the texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "money/errors.h"
#include "money/format_price.h"
#include "money/shown_price.h"
#include "pricebook/effective_date.h"
#include "quote/messages.h"
#include "sheet/quote_sheet.h"
#include "sheet/sheet_text.h"

namespace corvane {
namespace {

consteval Money Dec(std::string_view text) {
  return Money::fromDecimal(text);
}

PricedItem Item(std::string description, Money excludingVat, VatRate rate = VatRate{}) {
  return {std::move(description), PriceForDisplay(excludingVat, Separators{}, rate)};
}

// The three lines of a typical quote: a cross-grade at 10 %, a support contract, an other item.
QuoteSheet TypicalSheet() {
  QuoteSheet sheet;
  sheet.Add(
      Item("Cross-grade from Windows HB 1 to Windows HB 3, dealer discount 10%", Dec("1440")));
  sheet.Add(Item("Support Contract (monthly): Tessaline 1", Dec("184.21")));
  sheet.Add(Item("Other item Multi-Warehouse - Win.Tessaline 1 User", Dec("3000")));
  return sheet;
}

TEST(QuoteSheet, LineTotalsAreQuantityTimesTheShownUnitPrices) {
  const struct {
    Money price;
    int quantity;
    Money unitExcluding, unitIncluding, totalExcluding, totalIncluding;
  } cases[] = {
      {Dec("1440"), 1, Dec("1440"), Dec("1641.60"), Dec("1440"), Dec("1641.60")},
      {Dec("1440"), 999, Dec("1440"), Dec("1641.60"), Dec("1438560"), Dec("1639958.40")},
      {Dec("184.21"), 1, Dec("184.21"), Dec("210"), Dec("184.21"), Dec("210")},
      // A three-decimal price is shown, and so quoted, to the cent: 657.90 and 750.00.
      {Dec("657.895"), 999, Dec("657.90"), Dec("750"), Dec("657242.10"), Dec("749250")},
      {Dec("70.175"), 2, Dec("70.18"), Dec("80"), Dec("140.36"), Dec("160")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(FormatPrice(c.price) + " x " + std::to_string(c.quantity));
    QuoteSheet sheet;
    sheet.Add(Item("item", c.price));
    ASSERT_EQ(sheet.Lines()[0].quantity, 1);
    sheet.SetQuantity(0, c.quantity);
    const QuoteLine& line = sheet.Lines()[0];
    EXPECT_EQ(line.quantity, c.quantity);
    EXPECT_EQ(line.unitExcludingVat, c.unitExcluding);
    EXPECT_EQ(line.unitIncludingVat, c.unitIncluding);
    EXPECT_EQ(line.totalExcludingVat, c.totalExcluding);
    EXPECT_EQ(line.totalIncludingVat, c.totalIncluding);
    EXPECT_EQ(sheet.Totals().excludingVat, c.totalExcluding);
    EXPECT_EQ(sheet.Totals().vat, c.totalIncluding - c.totalExcluding);
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

TEST(QuoteSheet, AnAmountOutOfRangeChangesNothing) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  // The largest whole-cent unit price that 999 of still fit, and the next cent up.
  const Money fits = Money::fromTenThousandths(kMax / 999 / 100 * 100);
  const Money tooLarge = fits + Dec("0.01");
  const auto item = [](Money excluding) {
    return PricedItem{"edge", ShownPrice{excluding, 1.0, "", ""}};
  };

  QuoteSheet sheet;
  sheet.Add(item(fits));
  sheet.SetQuantity(0, 999);
  EXPECT_EQ(sheet.Totals().excludingVat, fits.times(999));

  sheet.Clear();
  sheet.Add(item(tooLarge));
  EXPECT_THROW(sheet.SetQuantity(0, 999), OverflowError);
  EXPECT_EQ(sheet.Lines()[0].quantity, 1);
  EXPECT_EQ(sheet.Lines()[0].totalExcludingVat, tooLarge);
  EXPECT_EQ(sheet.Totals().excludingVat, tooLarge);

  // Two lines whose sum leaves the range: the second is not added.
  const Money half = Money::fromTenThousandths(kMax / 2 / 100 * 100 + 100);
  sheet.Clear();
  sheet.Add(item(half));
  EXPECT_THROW(sheet.Add(item(half)), OverflowError);
  EXPECT_EQ(sheet.Lines().size(), 1u);
  EXPECT_EQ(sheet.Totals().excludingVat, half);

  // A VAT-inclusive price beyond the range is no line either.
  EXPECT_THROW(sheet.Add(PricedItem{"edge", ShownPrice{Dec("1"), 1e18, "", ""}}), OverflowError);
  EXPECT_EQ(sheet.Lines().size(), 1u);
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

TEST(SheetText, HoldsTheHeadingLinesTotalsFootnoteAndTelephone) {
  QuoteSheet sheet = TypicalSheet();
  sheet.SetQuantity(1, 2);
  sheet.SetCustomer("Bell & Sons <Pty>");
  const Separators separators{" ", ","};
  const std::string text = SheetPlainText(sheet, "28 May 2012", separators);
  const std::string html = SheetHtml(sheet, "28 May 2012", separators);
  for (const std::string& expected : {
           std::string("Quotation\n28 May 2012\nCustomer: Bell & Sons <Pty>\n\n"),
           std::string("1 x Cross-grade from Windows HB 1 to Windows HB 3, dealer discount 10% at "
                       "1 440,00 excl. VAT: 1 440,00 excl. VAT, 1 641,60 incl. VAT\n"),
           std::string("2 x Support Contract (monthly): Tessaline 1 at 184,21 excl. VAT: 368,42 "
                       "excl. VAT, 420,00 incl. VAT\n"),
           std::string("Total excl. VAT: 4 808,42\nVAT 14%: 673,18\nTotal incl. VAT: 5 481,60\n"),
           std::string(kFootnoteText) + "\n",
           "Contact Corvane on " + std::string(VendorPhone()) + ".\n",
       }) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin\n" << text;
  }
  EXPECT_EQ(text.find("Reference:"), std::string::npos);
  for (const std::string& expected : {
           std::string("<h1>Quotation</h1>"),
           std::string("Customer: Bell &amp; Sons &lt;Pty&gt;"),
           std::string("<td>Other item Multi-Warehouse - Win.Tessaline 1 User</td><td "
                       "align=\"right\">1</td><td align=\"right\">3 000,00</td>"),
           std::string("VAT 14%</b></td><td align=\"right\"><b>673,18</b>"),
           std::string(kFootnoteText),
       }) {
    EXPECT_NE(html.find(expected), std::string::npos) << expected << "\nin\n" << html;
  }
  EXPECT_EQ(html.find("Reference:"), std::string::npos);
}

// A book's own rate, footnote and telephone number; lines priced under two rates name none.
TEST(SheetText, NamesTheRateFootnoteAndTelephoneOfTheBookThatPricedTheLines) {
  QuoteSheet sheet;
  sheet.Add(Item("New package Windows HB 1", Dec("5000"), VatRate{1500}));
  const SheetFooter footer{"Eff:  1 March 2013", "021 555 0100"};
  const std::string text = SheetPlainText(sheet, "1 March 2013", Separators{}, footer);
  for (const std::string expected :
       {"5,000.00 excl. VAT, 5,750.00 incl. VAT\n", "\nVAT 15%: 750.00\n", "\nEff:  1 March 2013\n",
        "Contact Corvane on 021 555 0100.\n"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin\n" << text;
  }
  EXPECT_NE(SheetHtml(sheet, "", Separators{}, footer).find("<b>VAT 15%</b>"), std::string::npos);
  EXPECT_EQ(VatTotalLabel(sheet.Totals()), "VAT 15%");
  sheet.Add(Item("New package Windows HB 2", Dec("4900")));
  EXPECT_EQ(VatTotalLabel(sheet.Totals()), "VAT");
  sheet.Remove(0);
  EXPECT_EQ(VatTotalLabel(sheet.Totals()), "VAT 14%");
}

}  // namespace
}  // namespace corvane
