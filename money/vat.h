// The VAT rule: 14 % on every price, as a factor of 114 over 100.
#pragma once

#include "money/money.h"

namespace corvane {

inline constexpr std::int16_t kVatFactor = 114;
inline constexpr double kVatDivisor = 100.0;

//! The VAT-inclusive amount rounded to two decimals with banker's rounding. It stays a double:
//! it is only ever shown, never stored.
double AddVat(Money amount);

}  // namespace corvane
