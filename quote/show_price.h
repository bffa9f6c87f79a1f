// Writes an amount into a pair of price boxes, excluding and then including VAT.
#pragma once

#include "quote/format_price.h"
#include "quote/money.h"
#include "quote/price_box.h"

namespace corvane {

//! The excluding box is written first: an error while adding VAT leaves it showing the amount.
void ShowPrice(Money amount, PriceBox& excluding, PriceBox& including,
               const Separators& separators);

}  // namespace corvane
