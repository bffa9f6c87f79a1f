// A quotation's line from a price book: what it prices in the catalogue's terms, the book that
// priced it, and its amounts by the one rounding rule; and the same subject priced again by
// another book.
#pragma once

#include <optional>
#include <string>

#include "pricebook/price_book.h"
#include "quotation/quotation.h"
#include "quote/quote.h"

namespace corvane {

inline constexpr int kMinQuantity = 1;
inline constexpr int kMaxQuantity = 999;

//! The book's vendor and the date its prices take effect.
BookIdentity IdentityOf(const PriceBook& book);
//! "Corvane (28 May 2012)", as a question or a message names a book.
std::string BookName(const BookIdentity& book);
//! The book's currency: a book that names none, the built-in one among them, prices in rand.
std::string CurrencyOf(const PriceBook& book);

//! The request's packages and items by their names in the book.
LineSubject SubjectOf(const PriceBook& book, const QuoteRequest& request);

//! A line of quantity 1 for the request as the book prices it; nothing when the book refuses it.
//! The description names what it is; the discount is kept as a number of its own.
std::optional<QuoteLine> PricedLine(const PriceBook& book, const QuoteRequest& request);

//! The subject and discount of a line as the book would price it again; nothing when the line
//! does not say what it prices, or the book lacks a package or item it names, or refuses it.
std::optional<QuoteLine> PricedAgain(const PriceBook& book, const QuoteLine& line);

//! The line at another quantity: its own unit price, basis and rate, never priced again. Throws
//! RangeError for a quantity outside 1..999, OverflowError for an amount out of range.
QuoteLine AtQuantity(QuoteLine line, int quantity);

}  // namespace corvane
