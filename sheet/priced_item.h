// A price as the window shows it, with the words that say what it is the price of.
#pragma once

#include <string>

#include "money/shown_price.h"
#include "quote/quote.h"

namespace corvane {

struct PricedItem {
  std::string description;  //!< e.g. "New package Windows HB 1, discount 10%"
  ShownPrice price;
  QuoteRequest request;  //!< what was priced, so that the quote sheet can price it as a line
};

//! The VAT rate as the quote's texts name it: "VAT 14%".
std::string VatRateText(VatRate rate);

//! "<description>: 1,440.00 excl. VAT, 1,641.60 incl. VAT (VAT 14%)", in the price's own texts.
std::string PriceText(const PricedItem& item);

//! The same as a small HTML table: description, excluding and including VAT.
std::string PriceHtml(const PricedItem& item);

}  // namespace corvane
