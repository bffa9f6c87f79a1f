// The cross-grade quote: refusals, listed price or rule price, dealer discount.
#pragma once

#include "money/money.h"
#include "pricebook/price_book.h"
#include "quote/quote.h"

namespace corvane {

//! The credit for the traded-in From package under the rule that the To package's catalogue index
//! and the From package's name select.
Money TradeInValue(const PriceBook& book, int from, int to, int ageBand);

//! Quotes the request's From package to its To package at the request's discount, or refuses the
//! pair; without a To package nothing changes.
Quote QuoteCrossGrade(const PriceBook& book, const QuoteRequest& request);

}  // namespace corvane
