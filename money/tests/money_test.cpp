#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "money/errors.h"
#include "money/leading_number.h"
#include "money_test_support.h"

namespace corvane::testing {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Money, ArithmeticIsExactUpToTheEndsOfTheRangeAndOverflowsBeyond) {
  EXPECT_EQ(Raw(kMaxRaw - 1) + Raw(1), Raw(kMaxRaw));
  EXPECT_EQ(Raw(kMinRaw + 1) - Raw(1), Raw(kMinRaw));
  EXPECT_EQ(Raw(kMinRaw / 2).times(2), Raw(kMinRaw));
  EXPECT_EQ(Raw(kMaxRaw).times(-1) * Units(-1), Raw(kMaxRaw));
  EXPECT_EQ(Raw(kMinRaw) * Units(1), Raw(kMinRaw));
  EXPECT_EQ(Money::fromInt16(-32768) + Units(65536), Raw(327'680'000));
  // clang-format off
  const std::function<Money()> overflowing[] = {
      [] { return Raw(kMaxRaw) + Raw(1); }, [] { return Raw(kMinRaw) + Raw(-1); },
      [] { return Raw(kMinRaw) - Raw(1); }, [] { return Raw(kMaxRaw) - Raw(-1); },
      [] { return Raw(kMaxRaw / 2 + 1).times(2); }, [] { return Raw(kMinRaw).times(-1); },
      [] { return Raw(kMinRaw) * Units(-1); }, [] { return Raw(kMaxRaw) * Raw(10'001); },
      [] { return Raw(kMinRaw) * Raw(kMinRaw); }, [] { return Raw(kMinRaw) * Raw(-10'000); },
      [] { return Raw(std::int64_t{1} << 62) * Units(2); },
      // The nearest doubles to the two ends lie outside them (...477.625).
      [] { return Money::fromDouble(922337203685477.5807); },
      [] { return Money::fromDouble(-922337203685477.5808); },
      [] { return Money::fromDouble(-kInf); }, [] { return Money::fromDouble(std::nan("")); },
      [] { return Money::fromDouble(LeadingNumber("1e999999999999")); }};
  // clang-format on
  for (std::size_t i = 0; i < std::size(overflowing); ++i) {
    SCOPED_TRACE(i);
    EXPECT_THROW((void)overflowing[i](), OverflowError);
  }
}

TEST(Money, RoundsFromDoubleAndProductsHalfToEven) {
  // On the double's exact value: 0.00005 is held just above the half, 0.00015 just below it, 1/32
  // and 3/32 are exact halves. Beyond 2^52 ten-thousandths x * 10 000 is not exact in a double.
  // clang-format off
  const std::pair<double, std::int64_t> fromDouble[] = {
      {0.03125, 312}, {0.09375, 938}, {-0.03125, -312}, {-0.09375, -938}, {0.00005, 1},
      {-0.00005, -1}, {0.00015, 1}, {0.00025, 3}, {657.895, 6'578'950},
      {549755813888.03125, 5'497'558'138'880'312}, {549755813888.09375, 5'497'558'138'880'938},
      {922337203685477.5, 9'223'372'036'854'775'000},
      {-922337203685477.5, -9'223'372'036'854'775'000}};
  const std::int64_t products[][3] = {
      {1, 5000, 0}, {3, 5000, 2}, {5, 5000, 2}, {7, 5000, 4}, {-1, 5000, 0}, {-3, 5000, -2},
      {3, -5000, -2}, {-5, -5000, 2}, {1, 5001, 1}, {-1, 5001, -1}, {1, 4999, 0},
      {7'886'000, 150'000, 118'290'000},  // 788.60 * 15
      // Products far beyond 64 bits, whose quotient still fits; the last two are halves.
      {kMaxRaw, 9'999, 9'222'449'699'651'090'329}, {kMinRaw, -9'999, 9'222'449'699'651'090'330},
      {kMinRaw, 10'000, kMinRaw}, {(std::int64_t{1} << 62), -20'000, kMinRaw},
      {3'037'000'499, 30'370'004'990'000, 9'223'372'030'926'249'001},
      {0xFFFF'FFFF, 0xFFFF'FFFF, 1'844'674'406'511'962},
      {123'456'789'012'345'678, 74'713, 922'382'707'747'938'264},
      {kMaxRaw, 5'000, 4'611'686'018'427'387'904},
      {-6'148'914'691'236'517'205, 15'000, kMinRaw}};
  // clang-format on
  for (const auto& [x, raw] : fromDouble) {
    SCOPED_TRACE(x);
    EXPECT_EQ(Money::fromDouble(x), Raw(raw));
  }
  for (const auto& [a, b, product] : products) {
    SCOPED_TRACE(std::to_string(a) + " * " + std::to_string(b));
    EXPECT_EQ(Raw(a) * Raw(b), Raw(product));
  }
}

#ifdef CORVANE_EXPECT_PORTABLE_ARITHMETIC
// This build is the one that tests the portable arithmetic: make sure that it really does.
TEST(Money, ComputesWithThePortableArithmeticWhenAskedTo) {
  EXPECT_TRUE(detail::kPortableArithmetic);
}
#endif

TEST(Money, DecimalLiteralsAreExactAndPrintWithFourDecimals) {
  EXPECT_EQ(Dec("657.895"), Raw(6'578'950));
  EXPECT_EQ(Dec("788.60"), Raw(7'886'000));
  EXPECT_EQ(Dec("922337203685477.5807"), Raw(kMaxRaw));
  EXPECT_EQ(::testing::PrintToString(Dec("657.895")), "657.8950");
  EXPECT_EQ(::testing::PrintToString(Raw(-1)), "-0.0001");
  EXPECT_EQ(::testing::PrintToString(Raw(kMinRaw)), "-922337203685477.5808");
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
  // clang-format off
  const std::pair<std::string, double> cases[] = {
      {"15%", 15}, {"0%", 0}, {"2500", 2500}, {"12.5%", 12.5}, {"-5", -5}, {"+5", 5},
      {"1 5%", 15}, {"- 1 . 5", -1.5}, {"\t\n7", 7}, {"\r5", 0}, {"1.2.3", 1.2}, {"5.%", 5},
      {".5", 0.5}, {"-.5", -0.5}, {"1e3", 1000}, {"1E-2", 0.01}, {"2e", 2}, {"2e+", 2},
      {"3e 2", 300}, {"1e+-2", 1}, {"(Strovane)", 0}, {"", 0}, {"%", 0}, {".", 0}, {"-", 0},
      {"e5", 0}, {"1e-999999", 0}, {"1e999999999999", kInf}, {"-1e999999999999", -kInf},
      {"1e99999999999999999999999", kInf}, {"1e-99999999999999999999999", 0},
      {"0000000000000000000000000000012", 12},
      {"123456789012345678901234567890", 123456789012345678901234567890.0},
      {"1" + std::string(400, '0'), kInf}, {"0." + std::string(400, '0') + "1", 0}};
  // clang-format on
  for (const auto& [text, value] : cases) {
    SCOPED_TRACE("\"" + text + "\"");
    EXPECT_EQ(LeadingNumber(text), value);
  }
}

}  // namespace
}  // namespace corvane::testing
