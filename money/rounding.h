// Two-decimal banker's rounding and the floating-point check of the VAT and discount rules.
#pragma once

#include <cmath>
#include <string_view>

#include "money/errors.h"
#include "money/money.h"

namespace corvane {

//! Rounds to two decimals; a scaled value exactly halfway goes to the even neighbour. Works on
//! the double itself, so a decimal tie the double cannot hold exactly goes to the nearer side.
inline double RoundToCents(double x) {
  return detail::RoundScaledHalfEven(x, 100.0) / 100.0;
}

//! The result of a VAT or discount computation; an infinite or undefined one stops the operation.
inline double CheckedResult(double x, std::string_view what) {
  if (!std::isfinite(x)) {
    throw FloatingPointError(std::string(what) +
                             " could not be calculated: the result is not a number");
  }
  return x;
}

}  // namespace corvane
