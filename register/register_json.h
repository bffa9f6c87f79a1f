// The register's quotations as a JSON document, for export, import and the sheet's draft: money
// as plain decimal text with a dot, rates and discounts as numbers of percent, dates ISO 8601.
// The format is documented in docs/register.md; its version is kRegisterJsonVersion.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "money/money.h"
#include "quotation/quotation.h"

namespace corvane {

inline constexpr int kRegisterJsonVersion = 1;
//! More quotations than one import takes: a file that size is a mistake, not a register.
inline constexpr std::size_t kMaxImportedQuotes = 200'000;
inline constexpr std::size_t kMaxLinesPerQuote = 10'000;

//! A document that is not the format; the message names the first fault and its place
//! ("quotes[3].lines[0].unitPrice: ...").
class RegisterFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

//! "1234.5": the exact amount with two to four decimals and a dot ("-0.05", "657.8947").
std::string DecimalText(Money amount);

//! The whole document: {"format": "corvane-register", "version": 1, "quotes": [...]}.
std::string RegisterJson(const std::vector<Quotation>& quotations);
//! Reads a whole document, checking every value and that every quotation's totals add up.
//! RegisterFileError at the first fault; nothing is returned then.
std::vector<Quotation> QuotationsOfJson(std::string_view text);

//! One quotation as an object of the document (the sheet's draft is kept so).
std::string QuotationJson(const Quotation& quotation);
Quotation QuotationOfJson(std::string_view text);

}  // namespace corvane
