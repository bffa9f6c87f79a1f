// The dealer discount, read from the discount field's text. Cross-grades and new packages take it
// in two different ways, as the price rules give them; both are here, side by side.
#pragma once

#include <string_view>

#include "money/money.h"

namespace corvane {

//! The percentage a discount text names: its leading number, with "," and "." both marking the
//! decimals whatever the desktop's language ("12,5%" and "12.5%" are 12.5), since a dealer writes
//! a discount as the desktop does and a discount has no thousands ("1.000%" is 1). Never fails.
double DiscountPercent(std::string_view discountText);

//! New-package prices: the price less the discount the text names ("15%" takes 15 %), computed
//! in double precision and rounded to two decimals with banker's rounding. Applies any number.
Money ApplyDiscount(Money price, std::string_view discountText);

//! Cross-grade quotes: the quote times (100 - discount) in Money, so that the listed price is
//! never first turned into a double; divided by 100 and rounded to two decimals. A discount of 0
//! leaves the quote exactly as it is, fractions of a cent included.
Money DiscountCrossGrade(Money quote, std::string_view discountText);

//! A discount below 0 % or above 100 % would give a price above the list price or below zero;
//! such a text is refused wherever a discount is applied.
bool DiscountOutOfRange(std::string_view discountText);

}  // namespace corvane
