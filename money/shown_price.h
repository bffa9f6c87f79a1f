// A price as the two price boxes show it: excluding VAT, and including VAT in the same picture.
#pragma once

#include <string>

#include "money/format_price.h"
#include "money/money.h"
#include "money/vat.h"

namespace corvane {

struct ShownPrice {
  Money excludingVat;
  double includingVat = 0;  //!< the VAT-inclusive amount, rounded to cents; never stored
  std::string excludingText;
  std::string includingText;
  VatRate vat = VatRate{};  //!< the rate the VAT-inclusive amount was worked out at
};

//! The amount and its VAT-inclusive amount at `rate`, each through the price picture. Throws
//! OverflowError or FloatingPointError when VAT cannot be added or the result not shown.
ShownPrice PriceForDisplay(Money amount, const Separators& separators, VatRate rate);

//! The amount and the VAT-inclusive amount already worked out for it, each through the price
//! picture. Throws OverflowError or FloatingPointError when either cannot be shown.
ShownPrice PriceForDisplay(Money amount, double inclusive, const Separators& separators,
                           VatRate rate);

}  // namespace corvane
