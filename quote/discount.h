// The dealer discount: read from the discount field's text, bounded, applied to a price.
#pragma once

#include <string_view>

#include "quote/money.h"

namespace corvane {

//! The price less the discount the text names ("15%" takes 15 %), in double precision, rounded
//! to two decimals with banker's rounding. Applies any number; callers refuse one outside 0..100.
Money ApplyDiscount(Money price, std::string_view discountText);

//! A discount below 0 % or above 100 % would give a price above the list price or below zero;
//! such a text is refused wherever a discount is applied.
bool DiscountOutOfRange(std::string_view discountText);

}  // namespace corvane
