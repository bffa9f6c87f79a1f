// What a price is the price of, and the price as it is copied from the window.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "money/shown_price.h"
#include "pricebook/price_book.h"
#include "sheet/describe.h"
#include "sheet/priced_item.h"

namespace corvane {
namespace {

const PriceBook& Book() {
  static const PriceBook book = FillPriceBook();
  return book;
}

QuoteRequest Request(QuoteKind kind, std::optional<std::string> discount = std::nullopt) {
  QuoteRequest request;
  request.kind = kind;
  request.from = 4;  // Windows HB 1
  request.to = 6;    // Windows HB 3
  request.item = 1;
  if (discount) request.discount = ReadDiscount(*discount);
  return request;
}

TEST(Describe, NamesWhatEachKindOfPriceIsFor) {
  const struct {
    QuoteRequest request;
    std::string description;
  } cases[] = {
      {Request(QuoteKind::CrossGrade, "10%"),
       "Cross-grade from Windows HB 1 to Windows HB 3, discount 10%"},
      {Request(QuoteKind::CrossGrade, "0%"), "Cross-grade from Windows HB 1 to Windows HB 3"},
      {Request(QuoteKind::NewPackage), "New package Windows HB 1"},
      {Request(QuoteKind::NewPackage, " 12.5% "), "New package Windows HB 1, discount 12.5%"},
      {Request(QuoteKind::NewPackage, "none"), "New package Windows HB 1"},
      {Request(QuoteKind::NewPackage, "0,5%"), "New package Windows HB 1, discount 0.5%"},
      {Request(QuoteKind::NewPackage, "12,50%"), "New package Windows HB 1, discount 12.5%"},
      {Request(QuoteKind::Support), "Support Contract (monthly): Tessaline 1"},
      {Request(QuoteKind::Other), "Other item Multi-Warehouse - Win.Tessaline 1 User"},
  };
  for (const auto& [request, description] : cases) {
    EXPECT_EQ(Describe(Book(), request, Separators{}), description);
  }
  // In the user's number format, whichever mark was typed.
  EXPECT_EQ(Describe(Book(), Request(QuoteKind::NewPackage, "12.5%"), Separators{".", ","}),
            "New package Windows HB 1, discount 12,5%");
}

TEST(Describe, GivesTheKindBeforeASupportTextThatDoesNotNameIt) {
  PriceBook book = FillPriceBook();
  book.SupportItem.Set(1, "Tessaline 1, monthly");
  EXPECT_EQ(Describe(book, Request(QuoteKind::Support), Separators{}),
            "Support contract Tessaline 1, monthly");
}

TEST(PricedItem, ReadsAsOneSentenceAndAsATable) {
  const PricedItem item{
      "Other item <A & B>",
      PriceForDisplay(Money::fromDecimal("1440"), Separators{".", ","}, VatRate{}), QuoteRequest{}};
  EXPECT_EQ(PriceText(item),
            "Other item <A & B>: 1.440,00 excl. VAT, 1.641,60 incl. VAT (VAT 14%)");
  const std::string html = PriceHtml(item);
  EXPECT_NE(html.find("<td>Other item &lt;A &amp; B&gt;</td>"), std::string::npos) << html;
  EXPECT_NE(html.find(">1.440,00</td>"), std::string::npos) << html;
  EXPECT_NE(html.find(">1.641,60</td>"), std::string::npos) << html;
}

}  // namespace
}  // namespace corvane
