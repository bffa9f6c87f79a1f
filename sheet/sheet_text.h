// The quotation as a customer reads it, in words: the seller with its bank details and payment
// terms, the buyer, the number with its revision, the dates and reference, the lines in columns,
// the VAT summary per rate, the totals in the currency, the validity, the terms and the
// acceptance block. The printed quotation (PDF and print), the copied text and the HTML all take
// their words from here, so that each carries the same facts. Every value someone typed passes
// through PrintableField on its way.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "money/format_price.h"
#include "quotation/quotation.h"

namespace corvane {

inline constexpr std::string_view kQuotationHeading = "Quotation";

//! "Quotation Q-2026-0007 rev. 2", or "Quotation" before the quote has a number.
std::string QuotationTitle(const Quotation& quotation);

//! The seller's block: the company, its address lines, telephone, e-mail and VAT registration
//! number, each that the dealer gave on a line of its own.
std::vector<std::string> SellerLines(const DealerDetails& dealer);

//! Where and when to pay: "Bank details", then the account holder, bank, account number or IBAN,
//! branch code or BIC, and "Payment terms: ...", each that the dealer gave; nothing when none is.
std::vector<std::string> PaymentLines(const DealerDetails& dealer);

//! The buyer's block: "Quotation for", the company, "Attn. " and the contact, the address lines,
//! VAT number, e-mail and telephone, each that was given; nothing without a customer.
std::vector<std::string> BuyerLines(const Customer& customer);

//! "Number: Q-2026-0007 rev. 2" (once numbered), "Date: ...", "Valid until: ..." and
//! "Reference: ..." (when given).
std::vector<std::string> QuoteFacts(const Quotation& quotation);

//! "Valid until 8 January 2027.", the sentence a quotation says instead of a price list's
//! "subject to change".
std::string ValidityText(const Quotation& quotation);

//! A column heading or total label with the currency: "Amount (ZAR)".
std::string WithCurrency(std::string_view label, const Quotation& quotation);

//! The table's columns, left to right.
enum class DocumentColumn : std::uint8_t {
  Description,
  Quantity,
  ListPrice,
  Discount,
  UnitPrice,
  VatRate,
  Amount
};
inline constexpr std::size_t kDocumentColumns = 7;
using DocumentRow = std::array<std::string, kDocumentColumns>;

//! "Description", "Qty", "List price", "Discount", "Unit price", "VAT", "Amount (ZAR)".
DocumentRow ColumnHeadings(const Quotation& quotation);

//! Marks a unit price or amount that includes VAT: "750.00 incl.".
inline constexpr std::string_view kIncludingMark = " incl.";

//! A line's cells. The list price, unit price and amount are in the line's basis, marked when
//! they include VAT, so that the quantity times the unit price printed is the amount printed.
//! The discount and rate are numbers in the user's format: "12.5%" or "12,5%".
DocumentRow LineCells(const QuoteLine& line, const Separators& separators);

//! Explains the mark, when a line carries it; empty otherwise.
std::string IncludingNote(const Quotation& quotation);

//! "12.5%" or "12,5%": the number as short as it is exact, with the user's decimal separator.
std::string PercentText(std::int64_t tenThousandthsOfAPercent, const Separators& separators);

struct TotalRow {
  std::string label;
  Money amount;
};
//! "Total excl. VAT (ZAR)", a row per rate "VAT 14% on 1,234.00" (its base, rate and VAT), and
//! "Total incl. VAT (ZAR)".
std::vector<TotalRow> TotalRows(const Quotation& quotation, const Separators& separators);

//! The dealer's terms, a line of text to a line.
std::vector<std::string> TermsLines(const Quotation& quotation);

//! "Accepted on behalf of <customer>", then the lines to fill in: name, signature, date.
std::string AcceptanceHeading(const Quotation& quotation);
inline constexpr std::array<std::string_view, 3> kAcceptanceFields = {"Name", "Signature", "Date"};

//! "Quotation Q-2026-0007 rev. 2 from Tarn Systems", the subject of the e-mail that carries it.
std::string MailSubject(const Quotation& quotation);

//! Plain text, one line of text to a line of the quote; for an email or a plain-text editor.
std::string SheetPlainText(const Quotation& quotation, const Separators& separators);

//! The same as an HTML document with the lines in a table; for pasting into programs that take
//! formatted text.
std::string SheetHtml(const Quotation& quotation, const Separators& separators);

}  // namespace corvane
