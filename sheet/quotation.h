// A quotation as a value: who quotes, to whom, its number and dates, its lines and totals. What
// is printed, copied and kept in the register.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "money/money.h"
#include "money/vat.h"
#include "quotation/dealer_details.h"
#include "quotation/quote_date.h"
#include "sheet/quote_terms.h"

namespace corvane {

//! One line. The amount including VAT is the VAT rule applied to the line's whole amount, not
//! the quantity times a rounded unit price, so that the line's VAT is the rate of its amount.
struct QuoteLine {
  std::string description;
  std::int16_t quantity = 1;
  Money unitExcludingVat;   //!< exactly as the window worked it out
  Money totalExcludingVat;  //!< quantity times the unit price, to the cent
  Money totalIncludingVat;  //!< the VAT rule on quantity times the unit price, to the cent
  VatRate vat;              //!< the rate of the price book that priced it

  friend bool operator==(const QuoteLine&, const QuoteLine&) = default;
};

struct SheetTotals {
  Money excludingVat;  //!< the sum of the lines
  Money includingVat;  //!< the sum of the lines
  Money vat;           //!< the difference of the two, so that the three always agree

  friend bool operator==(const SheetTotals&, const SheetTotals&) = default;
};

struct Quotation {
  std::string number;  //!< empty for a quote the register has not numbered
  QuoteDate date;
  QuoteDate validUntil;
  std::string customer;
  std::string reference;
  DealerDetails dealer;
  QuoteTerms terms;  //!< the currency is the dealer's where the dealer names one
  std::vector<QuoteLine> lines;
  SheetTotals totals;
};

}  // namespace corvane
