// The register's quotations as a table for a spreadsheet: one row per revision kept, money as
// plain decimals, and the same rows as CSV. No Qt.
#pragma once

#include <string>
#include <vector>

#include "quotation/quotation.h"

namespace corvane {

//! A cell: text, or an amount or rate the spreadsheet keeps as a number.
struct TableCell {
  std::string text;
  bool number = false;
  bool date = false;
};

//! The column headings, then one row per quotation.
std::vector<std::string> RegisterTableHeadings();
std::vector<std::vector<TableCell>> RegisterTableRows(const std::vector<Quotation>& quotations,
                                                      QuoteDate today);

//! RFC 4180: every field that needs it quoted, lines ended by CRLF, UTF-8.
std::string RegisterCsv(const std::vector<Quotation>& quotations, QuoteDate today);

}  // namespace corvane
