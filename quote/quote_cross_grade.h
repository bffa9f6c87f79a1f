// The cross-grade quote: refusals, listed price or rule price, dealer discount, display.
#pragma once

#include <cstdint>

#include "pricebook/price_book.h"
#include "quote/money.h"
#include "quote/quote_view.h"

namespace corvane {

//! The age band of the traded-in package: 2 if age button 2 is selected, else 1 if age button 1
//! is, else 0 (the oldest).
int AgeBand(const QuoteView& view);

//! The credit for the traded-in package under the rule that the To index and the From text select.
Money TradeInValue(const PriceBook& book, std::string_view fromText, std::int16_t fromIndex,
                   std::int16_t toIndex, int ageBand);

//! Quotes the From package (fromIndex, the From text) to the To package (toIndex, the To text) and
//! shows the result in both cross-grade price boxes, or refuses the pair with a warning and empty
//! boxes. With "Nothing Selected" or no To entry selected it changes nothing.
void QuoteCrossGrade(const PriceBook& book, QuoteView& view, std::int16_t fromIndex,
                     const std::int16_t& toIndex);

}  // namespace corvane
