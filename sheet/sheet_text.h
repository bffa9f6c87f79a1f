// The quote as a customer reads it: a heading, the date, the customer and reference when given,
// the lines, the totals, the VAT rate, the footnote and the vendor's telephone number.
#pragma once

#include <string>
#include <string_view>

#include "money/format_price.h"
#include "sheet/quote_sheet.h"

namespace corvane {

inline constexpr std::string_view kQuotationHeading = "Quotation";

//! What the price book in use puts under every quote: its footnote and whom to call.
struct SheetFooter {
  std::string footnote;
  std::string vendorPhone;
};

//! The built-in book's footer.
SheetFooter BuiltInFooter();

//! "VAT 14%" for the rate the lines share, "VAT" for lines of books with different rates.
std::string VatTotalLabel(const SheetTotals& totals);

//! Plain text, one line of text to a line of the quote; for an email or a plain-text editor.
std::string SheetPlainText(const QuoteSheet& sheet, std::string_view date,
                           const Separators& separators,
                           const SheetFooter& footer = BuiltInFooter());

//! The same as an HTML document with the lines in a table; for printing and for pasting into
//! programs that take formatted text.
std::string SheetHtml(const QuoteSheet& sheet, std::string_view date, const Separators& separators,
                      const SheetFooter& footer = BuiltInFooter());

}  // namespace corvane
