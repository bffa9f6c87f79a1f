#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "money/errors.h"
#include "money/format_price.h"
#include "money/shown_price.h"
#include "money/vat.h"
#include "money_test_support.h"

namespace corvane::testing {
namespace {

constexpr VatRate kFourteen{1400};

TEST(AddVat, RoundsTheInclusiveAmountToCentsHalfToEven) {
  // 6.25 gives exactly 7.125, whose even cent wins; 0.25 gives 0.285, held just below the half.
  const std::pair<Money, double> cases[] = {
      {Dec("6.25"), 7.12},     {Dec("18.75"), 21.38}, {Dec("0.25"), 0.28}, {Dec("788.60"), 899.00},
      {Dec("184.21"), 210.00}, {Units(-25), -28.5},   {Money(), 0}};
  for (const auto& [amount, inclusive] : cases) {
    EXPECT_EQ(AddVat(amount, kFourteen), inclusive) << ::testing::PrintToString(amount);
  }
  EXPECT_THROW(AddVat(Raw(kMaxRaw / 114 + 1), kFourteen), OverflowError);
}

TEST(AddVat, TakesTheBooksRateAndNamesIt) {
  // 0.04 and 0.12 at 12.5 % give 0.045 and 0.135, held just below and just above the half.
  const std::tuple<std::int32_t, Money, double, std::string> cases[] = {
      {1500, Units(5000), 5750.00, "15"}, {1250, Dec("0.04"), 0.04, "12.5"},
      {1250, Dec("0.12"), 0.14, "12.5"},  {0, Dec("788.60"), 788.60, "0"},
      {10'000, Units(-3), -6.00, "100"},  {725, Units(100), 107.25, "7.25"}};
  for (const auto& [hundredths, amount, inclusive, text] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(AddVat(amount, VatRate{hundredths}), inclusive);
    EXPECT_EQ(VatPercentText(VatRate{hundredths}), text);
  }
  EXPECT_THROW(AddVat(Units(1), VatRate{kMaxVatHundredths + 1}), RangeError);
  EXPECT_THROW(AddVat(Units(1), VatRate{-1}), RangeError);
}

TEST(FormatPrice, ShowsThePictureRoundingHalvesAwayFromZero) {
  // clang-format off
  const std::pair<Money, std::string> amounts[] = {
      {Dec("1234567.89"), "1,234,567.89"}, {Raw(12'345'678'912), "1,234,567.89"},
      {Money() - Dec("1234.5"), "-1,234.50"}, {Dec("0.5"), ".50"}, {Money(), ".00"},
      {Dec("70.175"), "70.18"}, {Dec("657.895"), "657.90"}, {Dec("999.995"), "1,000.00"},
      {Raw(-50), "-.01"}, {Raw(-49), ".00"}, {Raw(kMaxRaw), "922,337,203,685,477.58"},
      {Raw(kMinRaw), "-922,337,203,685,477.58"}};
  // A double is rounded on its exact value: 2.675 and 1.005 are held just below the half.
  const std::pair<double, std::string> doubles[] = {
      {0.125, ".13"}, {-0.125, "-.13"}, {2.675, "2.67"}, {1.005, "1.00"}, {0.005, ".01"},
      {-0.004, ".00"}, {1234567.891, "1,234,567.89"}, {9.9e16, "99,000,000,000,000,000.00"}};
  // clang-format on
  for (const auto& [amount, text] : amounts) EXPECT_EQ(FormatPrice(amount), text);
  for (const auto& [amount, text] : doubles) EXPECT_EQ(FormatPrice(amount), text);
  EXPECT_EQ(FormatPrice(Dec("1234567.89"), {".", ","}), "1.234.567,89");
  EXPECT_EQ(FormatPrice(1234.5, {"\u00a0", ","}),
            "1\u00a0"
            "234,50");
  EXPECT_THROW(FormatPrice(-1e17), OverflowError);
  EXPECT_THROW(FormatPrice(std::numeric_limits<double>::infinity()), FloatingPointError);
  EXPECT_THROW(FormatPrice(std::nan("")), FloatingPointError);
}

TEST(PriceForDisplay, ShowsTheAmountAndItsVatInclusiveAmount) {
  // clang-format off
  const std::tuple<Money, std::string, std::string> cases[] = {
      {Dec("788.60"), "788.60", "899.00"}, {Dec("184.21"), "184.21", "210.00"},
      {Dec("70.175"), "70.18", "80.00"}, {Dec("657.895"), "657.90", "750.00"},
      {Units(9500), "9,500.00", "10,830.00"}, {Units(220'000), "220,000.00", "250,800.00"},
      {Money(), ".00", ".00"}};
  // clang-format on
  for (const auto& [amount, excl, incl] : cases) {
    const ShownPrice shown = PriceForDisplay(amount, {}, kFourteen);
    EXPECT_EQ(shown.excludingText, excl);
    EXPECT_EQ(shown.includingText, incl);
    EXPECT_EQ(shown.excludingVat, amount);
  }
  EXPECT_THROW(PriceForDisplay(Raw(kMaxRaw), {}, kFourteen), OverflowError);
}

}  // namespace
}  // namespace corvane::testing
