// The display picture "###,###.00" that every price passes through on its way to the screen.
#pragma once

#include <string>

#include "money/money.h"

namespace corvane {

//! Thousands and decimal separators; the window takes them from the user's locale.
struct Separators {
  std::string thousands = ",";
  std::string decimal = ".";
};

//! Rounds the magnitude to two decimals (halves away from zero) on the exact decimal value,
//! groups the integer digits in threes, shows an integer part of zero as nothing (".50") and puts
//! a minus sign before a negative value that does not round to zero.
std::string FormatPrice(Money amount, const Separators& separators = {});

//! The amount to the cent, as the picture shows it (halves away from zero). Throws OverflowError
//! where the rounded amount leaves Money's range.
Money ShownCents(Money amount);

//! The same picture for a VAT-inclusive amount. Throws OverflowError beyond what Money's range,
//! with VAT added, can reach, and FloatingPointError for an infinity or NaN.
std::string FormatPrice(double amount, const Separators& separators = {});

}  // namespace corvane
