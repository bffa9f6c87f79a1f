// The quotation as a customer reads it: the seller, the number and dates, the customer, the
// lines, the totals in the currency, the VAT rate, the validity and the dealer's terms. The
// words the printed quotation uses come from here too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "money/format_price.h"
#include "quotation/quotation.h"

namespace corvane {

inline constexpr std::string_view kQuotationHeading = "Quotation";

//! "Quotation Q-2026-0001", or "Quotation" before the quote has a number.
std::string QuotationTitle(const Quotation& quotation);

//! The seller's block: the company, its address lines, telephone, e-mail and VAT registration
//! number, each that the dealer gave on a line of its own.
std::vector<std::string> SellerLines(const DealerDetails& dealer);

//! "Date: ..." and "Valid until: ...".
std::vector<std::string> QuoteFacts(const Quotation& quotation);

//! The customer's block: "Customer: ..." and "Reference: ...", each when given.
std::vector<std::string> CustomerLines(const Quotation& quotation);

//! "Valid until 8 January 2027.", the sentence a quotation says instead of a price list's
//! "subject to change".
std::string ValidityText(const Quotation& quotation);

//! A column heading or total label with the currency: "Excl. VAT (ZAR)".
std::string WithCurrency(std::string_view label, const Quotation& quotation);

struct TotalRow {
  std::string label;
  Money amount;
};
//! Total excl. VAT, the VAT of each rate on its lines ("VAT 14% on 1,234.00") and the total incl.
//! VAT, each labelled with the currency.
std::vector<TotalRow> TotalRows(const Quotation& quotation, const Separators& separators = {});

//! The unit price and the line's amount in the line's basis, marked when including VAT, so that
//! the quantity times the one is the other: "750.00 incl. VAT".
std::string UnitPriceText(const QuoteLine& line, const Separators& separators);
std::string LineAmountText(const QuoteLine& line, const Separators& separators);

//! Plain text, one line of text to a line of the quote; for an email or a plain-text editor.
std::string SheetPlainText(const Quotation& quotation, const Separators& separators);

//! The same as an HTML document with the lines in a table; for pasting into programs that take
//! formatted text.
std::string SheetHtml(const Quotation& quotation, const Separators& separators);

}  // namespace corvane
