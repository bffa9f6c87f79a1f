// What the price book in use says on every quotation: its VAT rate, currency, the date its prices
// take effect and the vendor's telephone number.
#pragma once

#include <string>

#include "pricebook/price_book.h"

namespace corvane {

struct QuoteTerms {
  std::string vatRate;  //!< as the texts name it, e.g. "14%"
  std::string currency;
  std::string pricesEffective;
  std::string vendorPhone;
};

//! The terms of the price book; the one place a quote reads them from.
QuoteTerms TermsOfBook(const PriceBook& book);

}  // namespace corvane
