// The dealer discount: read once from the text the dealer chose or typed, then applied to
// cross-grades and new packages in the two different ways the price rules give.
#pragma once

#include <string>
#include <string_view>

#include "money/money.h"

namespace corvane {

struct Discount {
  double percent = 0;  //!< the percentage the text names; any number, checked where it is applied
  //! The text as the dealer chose or typed it, blanks kept: a quote to a customer names the
  //! discount in the dealer's own words. No price is read from it.
  std::string written;

  //! A discount below 0 % or above 100 % would give a price above the list price or below zero;
  //! it is refused wherever a discount is applied.
  bool OutOfRange() const { return !(percent >= 0.0 && percent <= 100.0); }
};

//! The one reader of a discount text: its leading number, with "," and "." both marking the
//! decimals whatever the desktop's language ("12,5%" and "12.5%" are 12.5), since a dealer writes
//! a discount as the desktop does and a discount has no thousands ("1.000%" is 1). A text without
//! a number is 0 %. Never fails.
Discount ReadDiscount(std::string_view text);

//! New-package prices: the price less the discount, computed in double precision and rounded to
//! two decimals with banker's rounding. Applies any number.
Money ApplyDiscount(Money price, const Discount& discount);

//! Cross-grade quotes: the quote times (100 - discount) in Money, so that the listed price is
//! never first turned into a double; divided by 100 and rounded to two decimals. A discount of 0
//! leaves the quote exactly as it is, fractions of a cent included.
Money DiscountCrossGrade(Money quote, const Discount& discount);

}  // namespace corvane
