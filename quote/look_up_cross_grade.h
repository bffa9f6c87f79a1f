// The listed cross-grade prices: finds the row for the From and To packages the window shows.
#pragma once

#include <cstdint>

#include "pricebook/price_book.h"
#include "quote/money.h"
#include "quote/quote_view.h"

namespace corvane {

//! What LookUpCrossGrade found.
enum LookupStatus : std::int16_t {
  kLookupFound = -1,         //!< a row matched; the price holds its price
  kLookupNotApplicable = 0,  //!< no table serves this pair; the quote rules price it
  kLookupNotListed = 1,      //!< the tables serve this pair but list no price for it
  kLookupRefusedShown = 2,   //!< a move to fewer terminals, already refused with its warning
};

//! Writes the status always, the price only when a row matches. A refused move to fewer terminals
//! shows the reduction warning and then clears both price boxes.
void LookUpCrossGrade(const PriceBook& book, QuoteView& view, Money& price, std::int16_t& status);

}  // namespace corvane
