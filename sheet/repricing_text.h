// The words of pricing a quote's lines again with another book: the question, and the message
// that names the lines the book cannot price.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "quotation/quotation.h"
#include "sheet/quote_sheet.h"

namespace corvane {

//! "Re-price the 3 lines at Corvane (1 March 2026)'s prices, or keep the prices they were given?"
std::string RepriceQuestion(std::size_t lines, const BookIdentity& book);

//! One message naming every line the book could not price, each by its description; empty when
//! it priced them all.
std::string KeptPricesMessage(const Repricing& repricing, const std::vector<QuoteLine>& lines);

}  // namespace corvane
