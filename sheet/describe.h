// What a priced request is the price of, in the words a quote to a customer uses.
#pragma once

#include <string>

#include "money/format_price.h"
#include "pricebook/price_book.h"
#include "quote/quote.h"

namespace corvane {

//! "Cross-grade from Windows HB 1 to Windows HB 3, discount 10%", "New package Windows
//! HB 1", "Support Contract (monthly): Tessaline 1" (a contract's own text already says what it
//! is) or "Other item Invoice Paper (A4 - 3 part 750/Box)". The discount is named as a number in
//! the user's format ("12,5%" and "12.5%" typed read alike), and left out when it takes nothing
//! off.
std::string Describe(const PriceBook& book, const QuoteRequest& request,
                     const Separators& separators);

}  // namespace corvane
