// A percentage of an amount, as the quote rules compute it: the product in Money, the division
// in double, rounded to the cent.
#pragma once

#include <string_view>

#include "money/money.h"
#include "money/rounding.h"

namespace corvane {

//! amount * percent / 100, rounded to two decimals with banker's rounding. `what` names the
//! result in the error raised when it cannot be computed.
inline Money PercentageOf(Money amount, Money percent, std::string_view what) {
  const double share = CheckedResult((amount * percent).toDouble() / 100.0, what);
  return Money::fromDouble(RoundToCents(share));
}

}  // namespace corvane
