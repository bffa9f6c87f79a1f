// The VAT rule: the price book's rate on every price, applied as an exact factor in Money and
// then rounded half-even to cents.
#pragma once

#include <cstdint>
#include <string>

#include "money/money.h"

namespace corvane {

//! A VAT rate in hundredths of a percent, so that rates such as 12.5 % stay exact: 1400 is 14 %.
struct VatRate {
  std::int32_t hundredths = 1400;

  friend constexpr bool operator==(VatRate, VatRate) = default;
};

//! The highest rate a price book may set: the factor 10000 + hundredths must stay a 16-bit
//! multiplier of Money.
inline constexpr std::int32_t kMaxVatHundredths = 10'000;

//! The largest VAT-inclusive amount a price may come to: nine thousand million. Below it the
//! amount in ten-thousandths times (100 + rate) stays below 2^53, which a double holds exactly, so
//! that AddVat works a whole-percent rate out to the exact cent; far above any price a book lists.
inline constexpr Money kLargestVatInclusiveAmount =
    Money::fromTenThousandths(9'000'000'000 * Money::kScale);
static_assert(kLargestVatInclusiveAmount.tenThousandths() * 100 < (std::int64_t{1} << 53));

//! The VAT-inclusive amount rounded to two decimals with banker's rounding. It stays a double:
//! it is only ever shown, never stored. A whole-percent rate multiplies by (100 + rate) / 100, the
//! way 14 % always has, so that every price it gave stays the same to the last bit.
double AddVat(Money amount, VatRate rate);

//! The rate as the texts name it: "14", "12.5", "7.25".
std::string VatPercentText(VatRate rate);

}  // namespace corvane
