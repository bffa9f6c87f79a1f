// The listed cross-grade prices: finds the row for a From and a To package by their names.
#pragma once

#include <cstdint>
#include <string_view>

#include "money/money.h"
#include "pricebook/price_book.h"

namespace corvane {

//! What LookUpCrossGrade found.
enum class LookupStatus : std::int16_t {
  Found,           //!< a row matched; the price holds its price
  NotApplicable,   //!< no table serves this pair; the quote rules price it
  NotListed,       //!< the tables serve this pair but list no price for it
  FewerTerminals,  //!< the tables serve this pair, but it moves to fewer terminals
};

struct Lookup {
  LookupStatus status = LookupStatus::NotApplicable;
  Money price;  //!< the matched row's price; zero unless Found
};

//! The ageBand (0, 1 or 2) picks the price column of a matching row.
Lookup LookUpCrossGrade(const PriceBook& book, std::string_view from, std::string_view to,
                        int ageBand);

}  // namespace corvane
