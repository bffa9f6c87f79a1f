// A price as a cross-grade table's cell holds it: the text the lookup reads its number from.
#pragma once

#include <string>
#include <string_view>

#include "money/money.h"

namespace corvane {

//! Whole units as digits alone ("3300"), other amounts with the decimals they need ("657.895").
std::string PriceCellText(Money amount);

//! The amount a cell's text gives, as the lookup reads it; an empty cell gives 0.
Money PriceCellAmount(std::string_view text);

}  // namespace corvane
