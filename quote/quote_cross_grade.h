// The cross-grade quote: refusals, listed price or rule price, dealer discount.
#pragma once

#include <cstdint>
#include <string_view>

#include "money/money.h"
#include "pricebook/price_book.h"
#include "quote/quote.h"

namespace corvane {

//! The credit for the traded-in package under the rule that the To index and the From text
//! select.
Money TradeInValue(const PriceBook& book, std::string_view fromText, std::int16_t fromIndex,
                   std::int16_t toIndex, int ageBand);

//! Quotes request.fromText (request.fromIndex) to request.toText (request.toIndex) at the
//! request's discount, or refuses the pair; with "Nothing Selected" or no To entry selected the
//! boxes keep what they show.
Quote QuoteCrossGrade(const PriceBook& book, const QuoteRequest& request);

}  // namespace corvane
