// Price books for the sheet's tests: a book of other items at chosen prices, and requests for it.
#pragma once

#include <string>

#include "pricebook/price_book.h"
#include "quote/quote.h"

namespace corvane {

//! Adds an other item at the price to the book (the next free entry) and returns its request.
inline QuoteRequest OtherItem(PriceBook& book, const std::string& name, Money price) {
  int index = 1;
  while (!book.OtherItem[index].empty()) ++index;
  book.OtherItem.Set(index, name);
  book.OtherPrice.Set(index, price);
  QuoteRequest request;
  request.kind = QuoteKind::Other;
  request.item = index;
  return request;
}

}  // namespace corvane
