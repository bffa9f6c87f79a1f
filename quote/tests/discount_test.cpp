#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "money/errors.h"
#include "quote/discount.h"
#include "quote_test_support.h"

namespace corvane::testing {
namespace {

// A comma and a point both mark the decimals, so the same text means the same discount in
// every desktop language; neither ever groups thousands.
TEST(ReadDiscount, ReadsACommaOrAPointAsTheDecimalMark) {
  // clang-format off
  const std::tuple<std::string, double> cases[] = {
      {"12,5%", 12.5}, {"12.5%", 12.5}, {"12,5", 12.5}, {",5%", 0.5}, {"0,25%", 0.25},
      {"1.000%", 1.0}, {"1,000%", 1.0}, {"1,5,7%", 1.5}, {"1.5,7%", 1.5}, {"1 2,5 %", 12.5},
      {"-2,5%", -2.5}, {"1,5e1%", 15.0}, {"15%", 15.0}, {"%", 0.0}, {",%", 0.0}, {"", 0.0}};
  // clang-format on
  for (const auto& [text, percent] : cases) {
    EXPECT_EQ(ReadDiscount(text).percent, percent) << text;
    EXPECT_EQ(ReadDiscount(text).written, text);
  }
}

TEST(ApplyDiscount, TakesThePercentageTheTextNamesWithoutBound) {
  // clang-format off
  const std::tuple<Money, std::string, Money> cases[] = {
      {Dec("788.60"), "15%", Dec("670.31")}, {Units(4200), "5%", Units(3990)},
      {Units(220'000), "80%", Units(44'000)}, {Dec("184.21"), "12.5%", Dec("161.18")},
      {Units(4200), "%", Units(4200)}, {Units(4200), "", Units(4200)},
      {Units(-100), "10%", Units(-90)}, {Units(100), "-10%", Units(110)},
      {Units(100), "150%", Units(-50)}, {Units(100), "100%", Money()},
      {Dec("184.21"), "12,5%", Dec("161.18")}};
  // clang-format on
  for (const auto& [price, discount, discounted] : cases) {
    EXPECT_EQ(ApplyDiscount(price, ReadDiscount(discount)), discounted) << discount;
  }
  EXPECT_THROW(ApplyDiscount(Units(100), ReadDiscount("1e999%")), FloatingPointError);
  // 0 times infinity
  EXPECT_THROW(ApplyDiscount(Money(), ReadDiscount("1e999%")), FloatingPointError);
  EXPECT_THROW(ApplyDiscount(Units(1000), ReadDiscount("1e20%")), OverflowError);

  // At 0 % every price held to the cent comes back unchanged; the two three-decimal support
  // prices are rounded on the doubles they become, which lie just below the half.
  const PriceBook& book = FilledBook();
  const Discount none = ReadDiscount("0%");
  for (int i = 0; i <= book.SupportPrice.UpperBound(); ++i) {
    const Money price = book.SupportPrice[i], other = book.OtherPrice[i];
    const Money kept = price == Dec("657.895")  ? Dec("657.89")
                       : price == Dec("70.175") ? Dec("70.17")
                                                : price;
    EXPECT_EQ(ApplyDiscount(price, none), kept) << i;
    EXPECT_EQ(ApplyDiscount(other, none), other) << i;
    if (i <= book.PackagePrice.UpperBound()) {
      EXPECT_EQ(ApplyDiscount(book.PackagePrice[i], none), book.PackagePrice[i]) << i;
    }
  }
}

// The cross-grade discount multiplies in Money: 0 % keeps fractions of a cent, and 12.5 % of an
// amount with a half cent rounds the exact product, not a double near it.
TEST(DiscountCrossGrade, MultipliesInMoneyAndKeepsAZeroDiscountExact) {
  // clang-format off
  const std::tuple<Money, std::string, Money> cases[] = {
      {Units(1600), "10%", Units(1440)}, {Units(1600), "12.5%", Units(1400)},
      {Dec("2499.985"), "0%", Dec("2499.985")}, {Dec("2499.985"), "abc", Dec("2499.985")},
      {Units(4200), "100%", Money()}, {Dec("0.25"), "50%", Dec("0.12")},
      {Units(1600), "12,5%", Units(1400)}};
  // clang-format on
  for (const auto& [quote, discount, discounted] : cases) {
    EXPECT_EQ(DiscountCrossGrade(quote, ReadDiscount(discount)), discounted) << discount;
  }
  EXPECT_THROW(DiscountCrossGrade(Units(100), ReadDiscount("1e999%")), OverflowError);
}

TEST(Discount, IsInRangeFromZeroToOneHundredPercent) {
  for (const char* text :
       {"150%", "100.01%", "100,01%", "-0.01%", "-0,01%", "-5%", "1e999%", "-1e999%"}) {
    EXPECT_TRUE(ReadDiscount(text).OutOfRange()) << text;
  }
  for (const char* text : {"100%", "12.5%", "12,5%", "100,00%", "0%", "-0%", "80%", "%", ""}) {
    EXPECT_FALSE(ReadDiscount(text).OutOfRange()) << text;
  }
}

}  // namespace
}  // namespace corvane::testing
